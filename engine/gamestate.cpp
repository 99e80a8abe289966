#include "gamestate.h"

namespace vantry {

namespace {
constexpr int Unreached = -1;
// A throw reaches at most 98 + 6; beyond the goal no row applies.
constexpr int HighestReached = FinalPosition + 6;

// Where each position leads by the rows of one table, or Unreached when it is no row's "from".
// No "from" occurs twice and no "to" is a "from", so this one lookup gives what comparing the
// rows one after the other gives.
template <std::size_t N>
constexpr std::array<std::int8_t, HighestReached + 1> JumpsOf(const std::array<Jump, N>& table) {
    std::array<std::int8_t, HighestReached + 1> to{};
    for (auto& t : to) t = Unreached;
    for (const Jump& j : table) to[static_cast<std::size_t>(j.from)] = static_cast<std::int8_t>(j.to);
    return to;
}

constexpr auto LadderTo = JumpsOf(LadderTable);
constexpr auto SnakeTo = JumpsOf(SnakeTable);

// The lookup stands in for the rows only while the tables keep those two properties.
constexpr bool RowsAreIndependent() {
    int froms = 0;
    for (std::size_t p = 0; p < LadderTo.size(); ++p) {
        froms += (LadderTo[p] != Unreached) + (SnakeTo[p] != Unreached);
        for (std::int8_t to : {LadderTo[p], SnakeTo[p]}) {
            if (to != Unreached && (LadderTo[static_cast<std::size_t>(to)] != Unreached ||
                                    SnakeTo[static_cast<std::size_t>(to)] != Unreached)) {
                return false;
            }
        }
    }
    return froms == static_cast<int>(LadderTable.size() + SnakeTable.size());
}
static_assert(RowsAreIndependent(), "a jump may not start where another one starts or ends");

template <std::size_t N>
int Lookup(const std::array<std::int8_t, N>& to, int position) {
    if (position < 0 || position >= static_cast<int>(N)) return Unreached;
    return to[static_cast<std::size_t>(position)];
}
}  // namespace

bool IsLadderFoot(int position) { return Lookup(LadderTo, position) != Unreached; }
bool IsSnakeHead(int position) { return Lookup(SnakeTo, position) != Unreached; }

int ApplyLadders(int position) {
    const int to = Lookup(LadderTo, position);
    return to == Unreached ? position : to;
}
int ApplySnakes(int position) {
    const int to = Lookup(SnakeTo, position);
    return to == Unreached ? position : to;
}

int SquareEffect(int position) {
    position = ApplySnakes(ApplyLadders(position));
    return position >= FinalPosition ? FinalPosition : position;
}

}  // namespace vantry

namespace vantry {

int GameState::Winner() const {
    for (int i = 0; i < SeatCount; ++i) {
        if (Position[static_cast<std::size_t>(i)] == FinalPosition) return i;
    }
    return -1;
}

Phase GameState::TurnPhase() const {
    if (Winner() >= 0) return Phase::Won;
    return GoEnabled ? Phase::AwaitingMove : Phase::AwaitingThrow;
}

bool GameState::AtStart(int seat) const {
    return Position[static_cast<std::size_t>(seat)] == 0 && BesideBoard(seat);
}

}  // namespace vantry
