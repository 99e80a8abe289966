#pragma once

#include <array>

#include "gamestate.h"

namespace vantry {

class BoardWidgets;
class CounterTravel;
class PlayFocus;

// Brings the board's widgets up to the game state, in one place: the die's face on show, the
// counters (their places through the travel), Go and the names with their blink. A control
// about to be hidden or disabled lets the keyboard focus go first. Nothing is read back.
class BoardDrawing {
public:
    BoardDrawing(const GameState& state, BoardWidgets& widgets, PlayFocus& focus, CounterTravel& travel);

    // Counters whose place changed travel there, or stand there at once when `jump` (a new or
    // opened game is not a move).
    void Draw(bool jump);

private:
    void DrawDie();
    void DrawCounters(bool jump);

    const GameState& state_;
    BoardWidgets& widgets_;
    PlayFocus& focus_;
    CounterTravel& travel_;
    // The counter places last drawn, to tell which have moved since.
    std::array<TwipsRect, SeatCount> drawnPlaces_{};
};

}  // namespace vantry
