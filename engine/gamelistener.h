#pragma once

namespace vantry {

// The five sound cues, named as their files are; the windows find the files.
enum class Cue { TossClick, PicMMove, MOH, NOH, Tashwiq };

// What one move did, in 0-based positions: where the counter stood, the square the throw took
// it to (never past the last square), and where it came to rest after a ladder or a snake.
// `moves` is the seat's move count after the move.
struct MoveReport {
    int seat = 0;
    int from = 0;
    int reached = 0;
    int to = 0;
    int moves = 0;

    bool Ladder() const { return to > reached; }
    bool Snake() const { return to < reached; }
};

// What happened in the game, told in the order the rules fix. The board window implements it
// and draws the state after each event; tests implement it with a recording fake. Nothing of
// the game waits on a listener except Won, which returns when the win's messages and the
// best-players window have been closed.
class GameListener {
public:
    virtual ~GameListener() = default;

    virtual void CuePlayed(Cue /*cue*/) {}
    // The seat on turn threw face 0..5.
    virtual void Thrown(int /*seat*/, int /*face*/) {}
    // Told before the counter is placed on its new square.
    virtual void Moved(const MoveReport& /*move*/) {}
    // The seat reached the last square; the turn passes only after this returns.
    virtual void Won(int /*seat*/) {}
    // The turn passed to `seat`.
    virtual void TurnPassed(int /*seat*/) {}
    // A new, reset or opened game replaced the one on the board.
    virtual void GameReplaced() {}
    // Anything else the board shows changed: a timer, a name, the document's file.
    virtual void Changed() {}
    // The blink of the name on turn moved on, twice a second; nothing else changed. A listener
    // that draws only what changed can take it apart from Changed.
    virtual void Blinked() { Changed(); }
};

}  // namespace vantry
