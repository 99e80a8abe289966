#include "media/soundcues.h"

#include <QAudio>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace vantry {

SoundCues::SoundCues(std::optional<bool> hasAudio) : hasAudio_(hasAudio) {}
SoundCues::~SoundCues() = default;

bool SoundCues::Play(const QString& path) {
    if (sounding_ && sounding_->isPlaying()) sounding_->stop();
    sounding_ = nullptr;
    const QFileInfo file(path);
    if (!file.isFile()) return false;
    if (file.size() > MaxCueBytes) return true;
    // Asked afresh each time: an output that was missing at one cue may be back at the next.
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (!hasAudio_.value_or(!output.isNull())) return true;

    auto& effect = effects_[path];
    // A file that could not be read when it was loaded (its folder gone meanwhile, or the file
    // half copied) is loaded afresh now that it is there again; so is a cue bound to an output
    // that is no longer the one to play on.
    if (effect && (effect->status() == QSoundEffect::Error || effect->audioDevice() != output)) effect.reset();
    if (!effect) {
        effect = std::make_unique<QSoundEffect>(output);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    if (effect->status() == QSoundEffect::Error) return true;
    effect->setVolume(volume_);
    effect->play();
    sounding_ = effect.get();
    return true;
}

void SoundCues::SetVolume(float level) {
    volume_ = static_cast<float>(QAudio::convertVolume(std::clamp(level, 0.0f, 1.0f), QAudio::LogarithmicVolumeScale,
                                                       QAudio::LinearVolumeScale));
}

bool SoundCues::Sounding() const { return sounding_ && sounding_->isPlaying(); }

}  // namespace vantry
