#pragma once

// The ports through which the rules reach the outside (random source, clock, effects),
// the game's own random source, and the guard that lets a handler step over a failed step.

#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <random>
#include <string>

namespace lexabit {

// A date and time of day, to the second.
using GameTime = std::chrono::sys_seconds;

// Where the game's randomness comes from; tests supply a seeded or scripted one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a fresh sequence from the system clock.
    virtual void SeedFromClock() = 0;
    // A fraction drawn uniformly from 0 inclusive to 1 exclusive.
    virtual double Fraction() = 0;
};

// The wall clock; tests supply a fake they can wind on.
class Clock {
public:
    virtual ~Clock() = default;
    virtual GameTime Now() const = 0;
};

// The folder that holds the program and, beside it, the game's data folders.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual std::filesystem::path Path() const = 0;
    // The same folder under a name that is valid UTF-8, for libraries that take names
    // only as text; it differs from Path() only where the folder's own name is not.
    virtual std::filesystem::path TextPath() const { return Path(); }
};

// What the rules ask of the screen and the speakers.
class Effects {
public:
    virtual ~Effects() = default;
    // Moves a card towards (left, top) in equal steps, showing every step.
    virtual void GlideCard(int index, double left, double top, int steps) = 0;
    // Plays one of the game's sounds by its name ("DrawCard", "InitAnimation", ...).
    virtual void PlaySound(const std::string& name) = 0;
    // The board must be drawn again from the model.
    virtual void Repaint() = 0;
};

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

// Runs one step of a handler whose steps stand on their own: a step that fails (a
// card or list item that does not exist, a number out of range) is left out and the
// handler goes on with the next. Tells whether the step ran through.
template <typename Step> bool RunGuarded(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace lexabit
