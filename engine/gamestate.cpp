#include "gamestate.h"

#include <algorithm>

namespace vantry {

namespace {
// The rows of one table, applied in its order.
template <std::size_t N>
int Jumped(const std::array<Jump, N>& table, int position) {
    for (const Jump& j : table) {
        if (position == j.from) position = j.to;
    }
    return position;
}
}  // namespace

int SquareEffect(int position) {
    position = Jumped(SnakeTable, Jumped(LadderTable, position));
    return position >= FinalPosition ? FinalPosition : position;
}

int GameState::Winner() const {
    const auto won = std::find(Position.begin(), Position.end(), FinalPosition);
    return won == Position.end() ? -1 : static_cast<int>(won - Position.begin());
}

Phase GameState::TurnPhase() const {
    if (Winner() >= 0) return Phase::Won;
    return GoEnabled ? Phase::AwaitingMove : Phase::AwaitingThrow;
}

bool GameState::AtStart(int seat) const {
    const auto s = static_cast<std::size_t>(seat);
    return Position[s] == 0 && Counters[s].left >= BoardRight;
}

}  // namespace vantry
