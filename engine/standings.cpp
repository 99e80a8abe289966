#include "standings.h"

#include <utility>

namespace vantry {

namespace {
// The consideration order a, b, c for each winner.
constexpr std::array<std::array<int, 3>, 4> ConsiderationOrder{{
    {1, 2, 3},
    {0, 2, 3},
    {1, 0, 3},
    {1, 2, 0},
}};
}  // namespace

std::array<int, 3> Standings(int winner, const std::array<std::int16_t, 4>& position) {
    const auto square = [&](int seat) { return position[static_cast<std::size_t>(seat)] + 1; };
    const auto& order = ConsiderationOrder[static_cast<std::size_t>(winner)];
    const int a = order[0];
    const int b = order[1];
    const int c = order[2];

    int rank2 = a;
    int rank4 = b;
    if (square(b) > square(a)) {
        rank2 = b;
        rank4 = a;
    }
    int rank3 = c;
    if (square(c) <= square(rank4)) {
        rank3 = rank4;
        rank4 = c;
    }
    if (square(rank3) > square(rank2)) std::swap(rank2, rank3);
    return {rank2, rank3, rank4};
}

}  // namespace vantry
