#pragma once

#include <QCoreApplication>

namespace vantry {

class BoardWidgets;
struct GameState;

// What a screen reader tells of the board: the roles and names of the controls a player uses,
// their order under Tab, and names and descriptions of the counters, the name labels and Go
// that follow the game. Qt sends every name and description it is given as a change, so one is
// only given when its text changes; a refresh with nothing new sends nothing.
class BoardDescriptions {
    Q_DECLARE_TR_FUNCTIONS(BoardDescriptions)

public:
    BoardDescriptions(const GameState& state, BoardWidgets& widgets);

    // Brings the counters' names and the descriptions of the name labels and Go up to the game
    // as it stands. The die needs none of this: each face always shows the same pips. A counter
    // is "Red counter on square 18", or "Red counter at the start" before its first move.
    void Refresh();

private:
    const GameState& state_;
    BoardWidgets& widgets_;
};

}  // namespace vantry
