#include "randomsource.h"

#include <chrono>

namespace vantry {

ClockRandom::ClockRandom() { Reseed(); }

void ClockRandom::Reseed() {
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // Mixing in a count keeps two reseeds within one clock tick from repeating a draw. A single
    // word seeds without the allocation a seed sequence makes, six times every throw.
    const auto seed = static_cast<std::uint32_t>(ticks ^ (ticks >> 32)) ^ (++reseeds_ * 0x9E3779B9u);
    generator_.seed(seed);
}

float ClockRandom::Next() {
    // 24 random bits give every float step in [0, 1) and never 1 itself.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace vantry
