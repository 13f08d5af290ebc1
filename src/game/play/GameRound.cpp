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
    state.MinuteStart = now;
    state.PlayMinutes = 0;
    state.PlayHours = 0;
    state.WordTimerStart = now;
    state.Dragging = false;
    state.ForgetLastMove();
    state.CardsTotal = 0;
    state.WordTimerMinutes = static_cast<std::int16_t>(WordTimerMinutesFor(state.GameLevel));
    state.CardsTotal = static_cast<std::int16_t>(CardsToDeal(counts));
    if (state.CardStyle == 0) {
        state.CardStyle = 8;
    }
    state.TotalScore = 0;
    // Filled rather than copied from a literal, which GCC 12 mistakes for an overlapping copy.
    state.PlayingTime.assign(1, '0');
    state.HintCost = 0;
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
    const long long minutes = state.PlayMinutes + TakeWholeMinutes(state.MinuteStart, now);
    state.PlayHours = ClampToInt16(state.PlayHours + minutes / MinutesPerHour);
    state.PlayMinutes = static_cast<std::int16_t>(minutes % MinutesPerHour);
    return SecondsSince(state.MinuteStart, now);
}

// Rolls the word timer; returns the seconds of its running minute.
int RollWordTimer(GameState& state, GameTime now) {
    const long long minutes = TakeWholeMinutes(state.WordTimerStart, now);
    state.WordTimerMinutes = ClampToInt16(state.WordTimerMinutes - minutes);
    return SecondsSince(state.WordTimerStart, now);
}

} // namespace

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
        if (state.WordTimerMinutes >= 0) {
            reading.WordTimerPanel =
                WordTimerPanel(state.WordTimerMinutes, SecondsPerMinute - wordSeconds);
        } else {
            // Time is up: the clocks stop here, so the game ends only once.
            state.WordTimerMinutes = TimeIsUp;
            reading.TimedOut = true;
            running_ = false;
        }
    }
    state.PlayingTime = PlayingTimeText(state.PlayHours, state.PlayMinutes, seconds);
    reading.PlayingTimePanel = PlayingTimePanel(state.PlayingTime);
    return reading;
}

} // namespace lexabit
