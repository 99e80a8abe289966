#pragma once

#include <QString>

#include "boardview.h"

namespace vantry {

// What the saved-game and document code needs of the board window beyond the engine's view:
// the caption, the die's start face and the game timers. Name labels and counters are reached
// through BoardView.
class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;

    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void ShowStartFace() = 0;
    virtual void SetTimerEnabled(GameTimer timer, bool enabled) = 0;
    virtual BoardView& Board() = 0;
};

}  // namespace vantry
