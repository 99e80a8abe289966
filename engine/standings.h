#pragma once

#include <array>
#include <cstdint>

namespace vantry {

// The ranking of the three seats other than the winner, by square, highest first; seats on
// one square keep the consideration order that belongs to the winner. Returns the seats of
// ranks 2, 3 and 4.
std::array<int, 3> Standings(int winner, const std::array<std::int16_t, 4>& position);

}  // namespace vantry
