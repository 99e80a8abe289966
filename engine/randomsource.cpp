#include "randomsource.h"

#include <chrono>

namespace vantry {

ClockRandom::ClockRandom() { Reseed(); }

void ClockRandom::Reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Mixing in a count keeps two reseeds within one clock tick from repeating a draw.
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32), ++reseeds_};
    generator_.seed(seq);
}

float ClockRandom::Next() {
    // 24 random bits give every float step in [0, 1) and never 1 itself.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace vantry
