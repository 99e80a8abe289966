#pragma once

#include <cstdint>

namespace vantry {

struct GameState;
class BoardView;
class RandomSource;

// The die, the move and the turn cycle of the board window. The window forwards its clicks,
// keys and timer ticks here; everything the engine does to the board goes through the view.
class Engine {
public:
    Engine(GameState& state, BoardView& view, RandomSource& random);

    // The throw: any die face, the start face's caption, Space, or a computer seat's timPlay tick.
    void Throw();
    // The move of counter `index`: a click on it, Go (with CurrentPlayer) or a timGo tick.
    void picM_Click(std::int16_t index);
    void cmdGo_Click();

    void timPlay_Timer();
    void timGo_Timer();
    void Timer1_Timer();

    std::int16_t TossIndex() const { return tossIndex_; }
    // True while a move waits on its win messages or the best-players window.
    bool MoveInProgress() const { return moving_; }

private:
    void Win(int seat);

    GameState& state_;
    BoardView& view_;
    RandomSource& random_;
    std::int16_t tossIndex_ = 0;
    bool moving_ = false;
};

}  // namespace vantry
