#pragma once

#include <QString>

#include <map>
#include <memory>
#include <optional>

#include "media/cueplayer.h"

class QSoundEffect;

namespace vantry {

// Plays cues through QSoundEffect. Nothing of the audio system is touched until the first cue,
// so start-up never waits on it; each file is loaded once and kept; a newer cue stops the one
// still sounding. With no audio output, a missing file or one too large for a cue, the cue is
// silent.
//
// The output is looked up again at every cue, because the sound server may go away and come
// back, and a headset may be unplugged and plugged in again, while the game runs: a cue loaded
// for an output that is gone or no longer the default is loaded afresh for the current one,
// since playing it where it was bound can wait on the vanished output without end.
class SoundCues : public CuePlayer {
public:
    // A cue is a short sound; a file larger than this (several seconds at any quality a cue
    // would use) is not loaded, as it would be held whole for the whole run.
    static constexpr qint64 MaxCueBytes = 2 * 1024 * 1024;

    // `hasAudio` answers for the system whether there is an audio output; left empty, the
    // system is asked at every cue.
    explicit SoundCues(std::optional<bool> hasAudio = std::nullopt);
    ~SoundCues() override;

    bool Play(const QString& path) override;
    // Heard as evenly spaced steps of loudness, not of the signal's amplitude.
    void SetVolume(float level) override;
    // Whether the last cue asked for is sounding, or will as soon as its file is loaded.
    bool Sounding() const;

private:
    std::optional<bool> hasAudio_;
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* sounding_ = nullptr;
    float volume_ = 1.0f;
};

}  // namespace vantry
