#pragma once

#include <QString>

namespace vantry {

// Plays a cue file in the background; the board window's only way to make a sound, so window
// tests can put a recorder in its place.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Returns at once. A file that is missing or cannot be played is silence. False when the
    // file was not there, so that its folder is looked for again.
    virtual bool Play(const QString& path) = 0;
    // How loud the cues play, from 0 (silent) to 1 (the file as it is), as the player's volume
    // control stands; set when it changes. A player that cannot change it plays every cue at
    // full volume.
    virtual void SetVolume(float) {}
};

}  // namespace vantry
