#include "game/NewGameReset.h"

#include "game/GameState.h"

namespace lexabit {

int WordTimerMinutesFor(int level, int previous) {
    switch (level) {
    case 1:
        return 0;
    case 2:
        return 2;
    case 3:
        return -1;
    default:
        return previous;
    }
}

void ResetGameVariables(GameState& state, const LetterCountValues& counts, GameTime now) {
    state.MinuteStart = now;
    state.PlayMinutes = 0;
    state.PlayHours = 0;
    state.WordTimerStart = now;
    state.Dragging = false;
    state.ForgetLastMove();
    state.CardsTotal = 0;
    state.WordTimerMinutes =
        static_cast<std::int16_t>(WordTimerMinutesFor(state.Level, state.WordTimerMinutes));
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

} // namespace lexabit
