#pragma once

#include <chrono>
#include <filesystem>
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

} // namespace lexabit
