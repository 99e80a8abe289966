#pragma once

#include "gamerecord.h"

namespace vantry {

// The five sound cues, named as their files are; the windows find the files.
enum class Cue { TossClick, PicMMove, MOH, NOH, Tashwiq };

// What happened in the game. The events come as the record's (RecordFollower), told after
// every other follower of the record; the board window draws the state after each of them,
// and tests implement it with a recording fake. Nothing of the game waits on a listener except
// at a win, whose event returns when the win's messages and the best-players window have been
// closed, so the turn passes only after them.
class GameListener : public RecordFollower {
public:
    void Recorded(const GameRecord& /*record*/, bool /*restarted*/) override {}
    virtual void CuePlayed(Cue /*cue*/) {}
    // Anything else the board shows changed: a timer, a name, the document's file.
    virtual void Changed() {}
    // The blink of the name on turn moved on, twice a second; nothing else changed. A listener
    // that draws only what changed can take it apart from Changed.
    virtual void Blinked() { Changed(); }
};

}  // namespace vantry
