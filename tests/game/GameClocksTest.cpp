#include "FakePorts.h"
#include "game/model/GameState.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>
#include <vector>

namespace lexabit {
namespace {

struct Tick {
    int seconds;      // the clock is wound on this far (back, when negative) before the tick
    bool everySecond; // with a tick every second on the way instead of one at the end
    const char* playing;
    const char* timer; // panel 5 after the tick; none: it keeps its text
    bool timedOut = false;
};

struct Game {
    const char* what;
    int level;
    std::vector<Tick> ticks;
};

// clang-format off
const Game Games[] = {
    {"the Hard word timer runs out after a minute", 1, {
        {0, false, " 0: 0: 0", "Word Timer:  0: 60"},
        {59, true, " 0: 0: 59", "Word Timer:  0: 1"},
        {1, false, " 0: 1: 0", nullptr, true}}},
    {"the Easy word timer counts down three minutes", 2, {
        {0, false, " 0: 0: 0", "Word Timer:  2: 60"},
        {1, false, " 0: 0: 1", "Word Timer:  2: 59"},
        {58, true, " 0: 0: 59", "Word Timer:  2: 1"},
        {1, false, " 0: 1: 0", "Word Timer:  1: 60"},
        {119, true, " 0: 2: 59", "Word Timer:  0: 1"},
        {1, false, " 0: 3: 0", nullptr, true}}},
    {"Very Easy has no word timer; the hours roll", 3, {
        {59, true, " 0: 0: 59", "Timer Off"},
        {1, false, " 0: 1: 0", "Timer Off"},
        {58 * 60 + 59, true, " 0: 59: 59", "Timer Off"},
        {1, false, " 1: 0: 0", "Timer Off"},
        {2 * 3600 + 8 * 60 + 10, false, " 3: 8: 10", "Timer Off"}}},
    {"a long pause runs the Easy word timer out", 2, {
        {10, false, " 0: 0: 10", "Word Timer:  2: 50"},
        {180, false, " 0: 3: 10", nullptr, true}}},
    {"a clock set back restarts the running minute", 2, {
        {20, true, " 0: 0: 20", "Word Timer:  2: 40"},
        {-50, false, " 0: 0: 0", "Word Timer:  2: 60"},
        {1, false, " 0: 0: 1", "Word Timer:  2: 59"}}},
};
// clang-format on

// One set of clocks plays the games one after another, as the board's clocks do.
TEST(GameClocks, ShowThePlayingTimeAndTheWordTimerAtEachTick) {
    GameState state;
    testing::FakeClock clock;
    GameClocks clocks(clock);
    for (const Game& game : Games) {
        SCOPED_TRACE(game.what);
        state.Level = static_cast<std::int16_t>(game.level);
        ResetGameVariables(state, StandardLetterCounts, clock.Now());
        clocks.Start();
        for (const Tick& tick : game.ticks) {
            std::optional<ClockReading> reading;
            const int ticks = tick.everySecond ? tick.seconds : 1;
            for (int k = 0; k < ticks; ++k) {
                clock.Advance(tick.everySecond ? 1 : tick.seconds);
                reading = clocks.Tick(state);
                ASSERT_TRUE(reading.has_value()) << tick.playing;
            }
            EXPECT_EQ(reading->PlayingTimePanel,
                      std::string("Total Playing Time: ") + tick.playing);
            EXPECT_EQ(state.PlayingTime, tick.playing);
            EXPECT_EQ(reading->WordTimerPanel,
                      tick.timer ? std::optional<std::string>(tick.timer) : std::nullopt);
            EXPECT_EQ(reading->TimedOut, tick.timedOut) << tick.playing;
        }
        if (game.ticks.back().timedOut) { // both clocks stand still
            EXPECT_EQ(state.WordTimerMinutes, -1);
            clock.Advance(30);
            EXPECT_FALSE(clocks.Tick(state).has_value());
            EXPECT_FALSE(clocks.Running());
        }
    }
}

} // namespace
} // namespace lexabit
