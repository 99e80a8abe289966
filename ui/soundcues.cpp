#include "soundcues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "version.h"

namespace vantry {

namespace {

QString WithoutTrailingSeparator(QString folder) {
    while (folder.size() > 1 && (folder.endsWith('/') || folder.endsWith('\\'))) folder.chop(1);
    return folder;
}

bool RunsFromBuildTree() {
    const QString buildRoot = QFileInfo(QString::fromUtf8(VANTRY_BUILD_DATA_DIR)).absolutePath();
    const QString program = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    const QString root = QDir(buildRoot).canonicalPath();
    return !root.isEmpty() && (program == root || program.startsWith(root + '/'));
}

}  // namespace

QString FindMediaFolder() {
    const QString configured = qEnvironmentVariable("VANTRY_DATA_DIR");
    if (!configured.isEmpty()) return WithoutTrailingSeparator(configured);
    const QString build = QString::fromUtf8(VANTRY_BUILD_DATA_DIR);
    if (QFileInfo(build).isDir() && RunsFromBuildTree()) return WithoutTrailingSeparator(build);
    return WithoutTrailingSeparator(QString::fromUtf8(VANTRY_INSTALL_DATA_DIR));
}

QString CuePath(const QString& folder, const char* literal) {
    QString tail = QString::fromUtf8(literal);
    tail.replace('\\', '/');
    return folder + tail;
}

SoundCues::SoundCues(std::optional<bool> hasAudio) : hasAudio_(hasAudio) {}
SoundCues::~SoundCues() = default;

bool SoundCues::HasAudio() {
    if (!hasAudio_) hasAudio_ = !QMediaDevices::audioOutputs().isEmpty();
    return *hasAudio_;
}

void SoundCues::Play(const QString& path) {
    if (sounding_ && sounding_->isPlaying()) sounding_->stop();
    sounding_ = nullptr;
    if (!HasAudio() || !QFileInfo(path).isFile()) return;

    auto& effect = effects_[path];
    // A file that could not be read when it was loaded (its folder gone meanwhile, or the file
    // half copied) is loaded afresh now that it is there again.
    if (effect && effect->status() == QSoundEffect::Error) effect.reset();
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (effect->status() == QSoundEffect::Error) return;
    effect->play();
    sounding_ = effect.get();
}

bool SoundCues::Sounding() const { return sounding_ && sounding_->isPlaying(); }

}  // namespace vantry
