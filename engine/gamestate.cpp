#include "gamestate.h"

namespace vantry {

namespace {
constexpr int Unreached = -1;
// A throw reaches at most 98 + 6; beyond the goal no row applies.
constexpr int HighestReached = FinalPosition + 6;

using JumpMap = std::array<std::int8_t, HighestReached + 1>;

// Where each position leads by the rows of one table, or Unreached when it is no row's "from".
// No "from" occurs twice and no "to" is a "from", so this one lookup gives what comparing the
// rows one after the other gives.
template <std::size_t N>
constexpr JumpMap JumpsOf(const std::array<Jump, N>& table) {
    JumpMap to{};
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

// Where one table's jumps take the position. No jump ends where it starts, so a position the
// table leaves as it is is no row's "from".
int Jumped(const JumpMap& to, int position) {
    if (position < 0 || position > HighestReached) return position;
    const int jump = to[static_cast<std::size_t>(position)];
    return jump == Unreached ? position : jump;
}
}  // namespace

bool IsLadderFoot(int position) { return ApplyLadders(position) != position; }
bool IsSnakeHead(int position) { return ApplySnakes(position) != position; }

int ApplyLadders(int position) { return Jumped(LadderTo, position); }
int ApplySnakes(int position) { return Jumped(SnakeTo, position); }

int SquareEffect(int position) {
    position = ApplySnakes(ApplyLadders(position));
    return position >= FinalPosition ? FinalPosition : position;
}

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
