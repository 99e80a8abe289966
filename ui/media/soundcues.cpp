#include "soundcues.h"

#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace vantry {

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
