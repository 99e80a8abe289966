#pragma once

#include "gamestate.h"

namespace vantry {

class BoardWidgets;
class PlayFocus;

// Brings the board's widgets up to the game state, in one place: the die's face on show, the
// counters that can be moved, Go and the names with their blink; the counters' places are the
// travel's, from the record's events. A control about to be hidden or disabled lets the
// keyboard focus go first. Nothing is read back.
class BoardDrawing {
public:
    BoardDrawing(const GameState& state, BoardWidgets& widgets, PlayFocus& focus);

    void Draw();

private:
    void DrawDie(bool here);

    const GameState& state_;
    BoardWidgets& widgets_;
    PlayFocus& focus_;
};

}  // namespace vantry
