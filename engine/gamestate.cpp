#include "gamestate.h"

namespace vantry {

namespace {
template <std::size_t N>
bool IsFrom(const std::array<Jump, N>& table, int position) {
    for (const Jump& j : table) {
        if (j.from == position) return true;
    }
    return false;
}

template <std::size_t N>
int ApplyRows(const std::array<Jump, N>& table, int position) {
    for (const Jump& j : table) {
        if (position == j.from) position = j.to;
    }
    return position;
}
}  // namespace

bool IsLadderFoot(int position) { return IsFrom(LadderTable, position); }
bool IsSnakeHead(int position) { return IsFrom(SnakeTable, position); }

int ApplyLadders(int position) { return ApplyRows(LadderTable, position); }
int ApplySnakes(int position) { return ApplyRows(SnakeTable, position); }

int SquareEffect(int position) {
    position = ApplySnakes(ApplyLadders(position));
    return position >= FinalPosition ? FinalPosition : position;
}

}  // namespace vantry
