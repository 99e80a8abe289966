#pragma once

#include <string>

namespace vantry {

enum class Cue { TossClick, PicMMove, MOH, NOH, Tashwiq };

// The cue's literal as the game names it; the media folder goes in front of it.
const char* CueLiteral(Cue cue);

enum class GameTimer { timPlay, timGo, Timer1 };

// What one move did, in 0-based positions: where the counter stood, the square the throw took
// it to (never past the last square), and where it came to rest after a ladder or a snake.
// `moves` is the seat's move count after the move.
struct MoveReport {
    int seat = 0;
    int from = 0;
    int reached = 0;
    int to = 0;
    int moves = 0;
};

// What the move, the throw and the turn cycle need of the board window. The window implements
// it; tests implement it with a recording fake. Counter places are single-precision twips.
class BoardView {
public:
    virtual ~BoardView() = default;

    virtual void FindMediaFolder() = 0;
    virtual void PlayCue(Cue cue) = 0;

    // The marker line linM(k): its upper end's X1 and lower end's Y2.
    virtual float MarkerX1(int k) const = 0;
    virtual float MarkerY2(int k) const = 0;

    virtual float CounterLeft(int i) const = 0;
    virtual float CounterTop(int i) const = 0;
    virtual float CounterWidth(int i) const = 0;
    virtual float CounterHeight(int i) const = 0;
    virtual void SetCounterLeft(int i, float left) = 0;
    virtual void SetCounterTop(int i, float top) = 0;
    virtual void SetCounterEnabled(int i, bool enabled) = 0;
    virtual void SetGoEnabled(bool enabled) = 0;

    // Die faces picToss(0..6); 6 is the start face reading "Click".
    virtual void SetFaceVisible(int k, bool visible) = 0;
    virtual void SetFaceEnabled(int k, bool enabled) = 0;

    virtual void SetTimerEnabled(GameTimer timer, bool enabled) = 0;

    // Name labels txtName(0..3); captions are UTF-8.
    virtual std::string NameCaption(int i) const = 0;
    virtual bool NameVisible(int i) const = 0;
    virtual void SetNameVisible(int i, bool visible) = 0;

    // A message box with an OK button and the program title; returns when it is closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // The wording of the win's two messages, which the window gives in the player's language:
    // the winner's line, and one line of the standings for a name on a square (1..100).
    // The engine's own English is the default.
    virtual std::string WinsText(const std::string& winner) const { return winner + " Wins!"; }
    virtual std::string StandingText(const std::string& name, int square) const {
        return name + ": " + std::to_string(square);
    }
    // The best-players window, modal over the board; returns when it is closed.
    virtual void ShowBestPlayers() = 0;

    // The game's events as they happen, for what the board shows over time (the counters'
    // travel) and what it says (announcements); nothing of the game waits on them. A throw
    // reports the seat on turn and the face 0..5; a move is reported before its counter is
    // placed and before any message of its win; a passed turn reports the seat now on turn.
    virtual void Thrown(int /*seat*/, int /*face*/) {}
    virtual void CounterMoved(const MoveReport& /*move*/) {}
    virtual void TurnPassed(int /*seat*/) {}
};

}  // namespace vantry
