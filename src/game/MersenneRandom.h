#pragma once

#include "game/Ports.h"

#include <cstdint>
#include <random>

namespace lexabit {

// The game's own random source: a 64-bit Mersenne Twister seeded from the clock.
class MersenneRandom final : public RandomSource {
public:
    MersenneRandom();
    explicit MersenneRandom(std::uint64_t seed) : engine_(seed) {}

    void SeedFromClock() override;
    double Fraction() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> fraction_{0.0, 1.0};
};

} // namespace lexabit
