#pragma once

#include <cstdint>

#include "randomsource.h"

namespace vantry::bench {

// A cheap stand-in for the clock-seeded source, so the figures are about the game and not the
// clock: a xorshift generator, uniform in [0, 1), the same sequence every run.
class FastRandom final : public RandomSource {
public:
    void Reseed() override {}
    float Next() override {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::uint32_t state_ = 2463534242u;
};

}  // namespace vantry::bench
