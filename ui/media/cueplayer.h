#pragma once

#include <QString>

namespace vantry {

// Plays a cue file in the background; the board window's only way to make a sound, so window
// tests can put a recorder in its place.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Returns at once. A file that is missing or cannot be played is silence.
    virtual void Play(const QString& path) = 0;
    // How loud the next cue plays, from 0 (silent) to 1 (the file as it is), as the player's
    // volume control stands. A player that cannot change it plays every cue at full volume.
    virtual void SetVolume(float) {}
};

}  // namespace vantry
