#pragma once

#include <QString>

#include "boardview.h"

namespace vantry {

// What the saved-game, document and new-game code needs of the board window beyond the
// engine's view: the caption, the name labels' captions, the die's start face, the game timers
// and showing the window. Counters and marker lines are reached through Board().
class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;

    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // The name labels txtName(0..3): the only place the players' names are kept.
    virtual QString NameCaption(int seat) const = 0;
    virtual void SetNameCaption(int seat, const QString& name) = 0;
    virtual void ShowStartFace() = 0;
    virtual void SetTimerEnabled(GameTimer timer, bool enabled) = 0;
    virtual bool TimerEnabled(GameTimer timer) const = 0;
    // Shows the board window, not modal.
    virtual void ShowWindow() = 0;
    virtual BoardView& Board() = 0;
};

}  // namespace vantry
