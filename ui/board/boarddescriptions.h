#pragma once

#include <QString>

namespace vantry {

class BoardModel;
class BoardWidgets;
struct GameState;

// What a screen reader tells of the board: the names of the controls a player uses, and
// descriptions of the die's faces, the counters, the name labels and Go that follow the game.
// Qt announces every description it is given (QAccessible::DescriptionChanged), so one is only
// given when its text changes; a refresh with nothing new announces nothing.
class BoardDescriptions {
public:
    // "Red counter on square 18", or "Red counter at the start" before the counter's first move.
    static QString CounterText(int seat, int position, bool atStart);

    BoardDescriptions(const GameState& state, const BoardModel& model, BoardWidgets& widgets);

    // Brings the descriptions of the counters, the name labels and Go up to the game as it
    // stands. The die needs none of this: each face always shows the same pips.
    void Refresh();

private:
    void NameControls();
    void DescribeCounter(int seat);
    void DescribeNameLabel(int seat, int winner);
    void DescribeGo();
    // The seat whose counter stands on square 100, or -1 while the race is on.
    int Winner() const;

    const GameState& state_;
    const BoardModel& model_;
    BoardWidgets& widgets_;
};

}  // namespace vantry
