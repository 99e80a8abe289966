#pragma once

#include <cstdint>
#include <random>

namespace vantry {

// Where the die and the name draw get their chance from: uniform in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed() = 0;
    virtual float Next() = 0;
};

// The production source: a Mersenne Twister reseeded from the clock at every Reseed().
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    void Reseed() override;
    float Next() override;

private:
    std::mt19937 generator_;
    std::uint32_t reseeds_ = 0;
};

}  // namespace vantry
