#pragma once

class QWidget;

namespace vantry {

class BoardWidgets;
struct GameState;

// Keeps the keyboard focus with the play when the control that had it goes away: the die face
// is hidden or spent by a throw, the counter and Go are disabled by a move. Left to the toolkit,
// the focus would jump to the next control there is (the File menu) and the screen reader would
// name it. Instead it is let go quietly, and once a person is to act it lands where they act:
// on their counter after their throw, on the die when their turn comes. A computer's turns
// never take it, and focus the player put elsewhere is never moved.
class PlayFocus {
public:
    PlayFocus(const GameState& state, const BoardWidgets& widgets);

    // Before `control` is hidden or disabled.
    void Leaving(QWidget* control);
    // After a throw, and after a passed turn or a new or opened game.
    void Thrown(int seat);
    void TurnPassed(int seat);

private:
    bool Person(int seat) const;
    void Land(QWidget* target);

    const GameState& state_;
    const BoardWidgets& widgets_;
    bool adrift_ = false;
};

}  // namespace vantry
