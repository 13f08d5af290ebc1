#pragma once

#include "game/model/Ports.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lexabit::testing {

// Hands out the fractions it was given, in order, then fails the test loudly.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> fractions) : fractions_(std::move(fractions)) {}
    void SeedFromClock() override { ++seeds; }
    double Fraction() override {
        if (next_ >= fractions_.size()) {
            throw std::runtime_error("scripted random ran out of fractions");
        }
        return fractions_[next_++];
    }
    std::size_t used() const { return next_; }
    int seeds = 0;

private:
    std::vector<double> fractions_;
    std::size_t next_ = 0;
};

class FakeClock final : public Clock {
public:
    GameTime Now() const override { return now; }
    void Advance(int seconds) { now += std::chrono::seconds(seconds); }
    GameTime now{std::chrono::seconds(1'800'000'000)};
};

} // namespace lexabit::testing
