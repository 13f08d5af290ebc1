#pragma once

// A round of the game: a new game's reset, and the clocks that count it down.

#include "game/model/Alphabet.h"
#include "game/model/Level.h"
#include "game/model/Ports.h"

#include <chrono>
#include <optional>
#include <string>

namespace lexabit {

class GameState;

// The word timer's whole minutes for a level: 0 for Hard, 2 for Easy, -1 (no timer)
// for Very Easy.
int WordTimerMinutesFor(Level level);

// Resets the variables of a game for a new deal: the clocks start now, nothing is
// dragged, there is no move to undo, the word timer follows the level, CardsTotal is the
// number of cards the counts deal, a card style of 0 becomes 8, and the score and playing
// time start from zero.
void ResetGameVariables(GameState& state, const LetterCountValues& counts, GameTime now);

// How often the window should tick the clocks. The counted time comes from the wall
// clock, so the rate only decides how soon a new second is shown.
inline constexpr std::chrono::milliseconds ClockTickInterval{150};

// What one tick of the clocks asks the status bar to show.
struct ClockReading {
    std::string PlayingTimePanel;              // panel 3, written at every tick
    std::optional<std::string> WordTimerPanel; // panel 5; nothing means it keeps its text
    bool TimedOut = false;                     // the word timer has just run out: the game is over
};

// The playing clock and the word timer. Each tick counts every whole minute that has
// passed since the last roll (not only a gap of exactly sixty seconds), so a late or
// paused tick loses no time; a clock set back restarts the running minute.
class GameClocks {
public:
    explicit GameClocks(const Clock& clock) : clock_(clock) {}

    // A new game lets the clocks run again (the new game sets their start times).
    void Start() {
        running_ = true;
        pausedAt_.reset();
    }
    // A game that has ended, by any road, stops the clocks: no time-out can follow.
    void Stop() {
        running_ = false;
        pausedAt_.reset();
    }
    bool Running() const { return running_; }

    // A paused game's clocks stand; when they go on, the pause is not counted on either
    // clock, so the running minutes resume with the seconds they had.
    void Pause();
    void Resume(GameState& state);

    // One tick: rolls the clocks in the game state and gives the panel texts, or
    // nothing once the word timer has run out (the clocks stand still until Start).
    std::optional<ClockReading> Tick(GameState& state);

private:
    const Clock& clock_;
    bool running_ = true;
    std::optional<GameTime> pausedAt_;
};

} // namespace lexabit
