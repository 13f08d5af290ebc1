#include "game/model/Ports.h"

#include <chrono>

namespace lexabit {

MersenneRandom::MersenneRandom() {
    SeedFromClock();
}

void MersenneRandom::SeedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint64_t>(ticks));
}

double MersenneRandom::Fraction() {
    // uniform_real_distribution may round up to its upper bound; a fraction never reaches 1.
    for (;;) {
        const double value = fraction_(engine_);
        if (value < 1.0) {
            return value;
        }
    }
}

} // namespace lexabit
