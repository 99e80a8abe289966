#pragma once

#include <string>

namespace vantry {

enum class Cue { TossClick, PicMMove, MOH, NOH, Tashwiq };

// The cue's literal as the game names it; the media folder goes in front of it.
const char* CueLiteral(Cue cue);

enum class GameTimer { timPlay, timGo, Timer1 };

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
    // The best-players window, modal over the board; returns when it is closed.
    virtual void ShowBestPlayers() = 0;
};

}  // namespace vantry
