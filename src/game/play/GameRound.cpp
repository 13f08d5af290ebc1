#include "game/play/GameRound.h"

#include "game/model/GameState.h"
#include "game/scoring/ScoreTexts.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lexabit {

int WordTimerMinutesFor(Level level) {
    switch (level) {
    case Level::Hard:
        return 0;
    case Level::Easy:
        return 2;
    case Level::VeryEasy:
        break;
    }
    return -1;
}

void ResetGameVariables(GameState& state, const LetterCountValues& counts, GameTime now) {
    state.Clocks.MinuteStart = now;
    state.Clocks.PlayMinutes = 0;
    state.Clocks.PlayHours = 0;
    state.Clocks.WordTimerStart = now;
    state.Phase = GamePhase::Playing;
    state.WordsFound.clear();
    state.Shown = {};
    state.Piles = {};
    state.Drag.Active = false;
    state.ForgetLastMove();
    state.CardsTotal = 0;
    state.Clocks.WordTimerMinutes = static_cast<std::int16_t>(WordTimerMinutesFor(state.GameLevel));
    state.CardsTotal = static_cast<std::int16_t>(CardsToDeal(counts));
    if (state.CardStyle == 0) {
        state.CardStyle = 8;
    }
    state.TotalScore = 0;
    // Filled rather than copied from a literal, which GCC 12 mistakes for an overlapping copy.
    state.Clocks.PlayingTime.assign(1, '0');
    state.HintCost = 0;
    state.HintsCharged.clear();
    state.HintCostTaken.reset();
    state.StuckPositionAsked.clear();
}

namespace {

constexpr int SecondsPerMinute = 60;
constexpr int MinutesPerHour = 60;
constexpr std::int16_t TimeIsUp = -1;

std::int16_t ClampToInt16(long long value) {
    return static_cast<std::int16_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// Moves the start of a running minute on by every whole minute that has passed and
// returns how many that were. A start in the future (the clock was set back) becomes now.
long long TakeWholeMinutes(GameTime& minuteStart, GameTime now) {
    const long long elapsed = (now - minuteStart).count();
    if (elapsed < 0) {
        minuteStart = now;
        return 0;
    }
    const long long minutes = elapsed / SecondsPerMinute;
    minuteStart += std::chrono::minutes(minutes);
    return minutes;
}

int SecondsSince(GameTime start, GameTime now) {
    return static_cast<int>((now - start).count());
}

// Rolls the playing clock; returns the seconds of the running minute.
int RollPlayingClock(GameState& state, GameTime now) {
    const long long minutes =
        state.Clocks.PlayMinutes + TakeWholeMinutes(state.Clocks.MinuteStart, now);
    state.Clocks.PlayHours = ClampToInt16(state.Clocks.PlayHours + minutes / MinutesPerHour);
    state.Clocks.PlayMinutes = static_cast<std::int16_t>(minutes % MinutesPerHour);
    return SecondsSince(state.Clocks.MinuteStart, now);
}

// Rolls the word timer; returns the seconds of its running minute.
int RollWordTimer(GameState& state, GameTime now) {
    const long long minutes = TakeWholeMinutes(state.Clocks.WordTimerStart, now);
    state.Clocks.WordTimerMinutes = ClampToInt16(state.Clocks.WordTimerMinutes - minutes);
    return SecondsSince(state.Clocks.WordTimerStart, now);
}

} // namespace

void GameClocks::Pause() {
    if (running_) {
        running_ = false;
        pausedAt_ = clock_.Now();
    }
}

void GameClocks::Resume(GameState& state) {
    if (!pausedAt_) {
        return;
    }
    // A clock set back during the pause counts the pause as nothing.
    const auto paused = std::max(clock_.Now() - *pausedAt_, GameTime::duration::zero());
    state.Clocks.MinuteStart += paused;
    state.Clocks.WordTimerStart += paused;
    pausedAt_.reset();
    running_ = true;
}

std::optional<ClockReading> GameClocks::Tick(GameState& state) {
    if (!running_) {
        return std::nullopt;
    }
    const GameTime now = clock_.Now();
    ClockReading reading;
    const int seconds = RollPlayingClock(state, now);

    if (state.GameLevel == Level::VeryEasy) {
        reading.WordTimerPanel = TimerOffPanel;
    } else {
        const int wordSeconds = RollWordTimer(state, now);
        if (state.Clocks.WordTimerMinutes >= 0) {
            reading.WordTimerPanel =
                WordTimerPanel(state.Clocks.WordTimerMinutes, SecondsPerMinute - wordSeconds);
        } else {
            // Time is up: the clocks stop here, so the game ends only once.
            state.Clocks.WordTimerMinutes = TimeIsUp;
            reading.TimedOut = true;
            running_ = false;
        }
    }
    state.Clocks.PlayingTime =
        PlayingTimeText(state.Clocks.PlayHours, state.Clocks.PlayMinutes, seconds);
    reading.PlayingTimePanel = PlayingTimePanel(state.Clocks.PlayingTime);
    return reading;
}

} // namespace lexabit
