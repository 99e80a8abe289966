#pragma once

#include <QString>

#include <map>
#include <memory>
#include <optional>

#include "cueplayer.h"

class QSoundEffect;

namespace vantry {

// Plays cues through QSoundEffect. Nothing of the audio system is touched until the first cue,
// so start-up never waits on it; each file is loaded once and kept; a newer cue stops the one
// still sounding. With no audio output or a missing file the cue is silent.
class SoundCues : public CuePlayer {
public:
    // `hasAudio` answers for the system whether there is an audio output; left empty, the
    // system is asked at the first cue.
    explicit SoundCues(std::optional<bool> hasAudio = std::nullopt);
    ~SoundCues() override;

    void Play(const QString& path) override;
    // Whether the last cue asked for is sounding, or will as soon as its file is loaded.
    bool Sounding() const;

private:
    bool HasAudio();

    std::optional<bool> hasAudio_;
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* sounding_ = nullptr;
};

}  // namespace vantry
