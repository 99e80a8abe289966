#include "standings.h"

#include <algorithm>

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
    std::array<int, 3> ranks = ConsiderationOrder[static_cast<std::size_t>(winner)];
    // A stable sort keeps seats on one square in the consideration order.
    std::stable_sort(ranks.begin(), ranks.end(), [&](int a, int b) {
        return position[static_cast<std::size_t>(a)] > position[static_cast<std::size_t>(b)];
    });
    return ranks;
}

}  // namespace vantry
