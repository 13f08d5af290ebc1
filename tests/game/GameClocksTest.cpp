#include "FakePorts.h"
#include "game/model/GameState.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

class Clocks : public ::testing::Test {
protected:
    void NewGame(int level) {
        state.Level = static_cast<std::int16_t>(level);
        ResetGameVariables(state, StandardLetterCounts, clock.Now());
        clocks.Start();
    }
    // Winds the clock on and ticks once.
    ClockReading TickAfter(int seconds) {
        clock.Advance(seconds);
        auto reading = clocks.Tick(state);
        if (!reading) {
            throw std::logic_error("the clocks have stopped");
        }
        return *reading;
    }
    // Ticks once a second for the given number of seconds; returns the last reading.
    ClockReading TickEverySecond(int seconds) {
        ClockReading last;
        for (int i = 0; i < seconds; ++i) {
            last = TickAfter(1);
            if (last.TimedOut) {
                break;
            }
        }
        return last;
    }

    GameState state;
    testing::FakeClock clock;
    GameClocks clocks{clock};
};

TEST_F(Clocks, TheFirstTickOfAGameShowsZeroTimeAndAFullWordTimer) {
    NewGame(2);
    const ClockReading reading = TickAfter(0);
    EXPECT_EQ(reading.PlayingTimePanel, "Total Playing Time:  0: 0: 0");
    EXPECT_EQ(state.PlayingTime, " 0: 0: 0");
    EXPECT_EQ(reading.WordTimerPanel, "Word Timer:  2: 60");
    EXPECT_FALSE(reading.TimedOut);
}

TEST_F(Clocks, ThePlayingClockRollsItsMinuteAndItsHour) {
    NewGame(3);
    EXPECT_EQ(TickEverySecond(59).PlayingTimePanel, "Total Playing Time:  0: 0: 59");
    EXPECT_EQ(TickAfter(1).PlayingTimePanel, "Total Playing Time:  0: 1: 0");
    EXPECT_EQ(TickEverySecond(58 * 60 + 59).PlayingTimePanel, "Total Playing Time:  0: 59: 59");
    EXPECT_EQ(TickAfter(1).PlayingTimePanel, "Total Playing Time:  1: 0: 0");
    EXPECT_EQ(state.PlayHours, 1);
    EXPECT_EQ(state.PlayMinutes, 0);
}

TEST_F(Clocks, TheEasyWordTimerCountsDownThreeMinutesAndRunsOutOnce) {
    NewGame(2);
    EXPECT_EQ(TickAfter(1).WordTimerPanel, "Word Timer:  2: 59");
    EXPECT_EQ(TickEverySecond(58).WordTimerPanel, "Word Timer:  2: 1");
    EXPECT_EQ(TickAfter(1).WordTimerPanel, "Word Timer:  1: 60");
    const ClockReading lastSecond = TickEverySecond(119);
    EXPECT_EQ(lastSecond.WordTimerPanel, "Word Timer:  0: 1");
    EXPECT_FALSE(lastSecond.TimedOut);

    const ClockReading timeUp = TickAfter(1);
    EXPECT_TRUE(timeUp.TimedOut);
    EXPECT_FALSE(timeUp.WordTimerPanel.has_value()); // panel 5 keeps " 0: 1"
    EXPECT_EQ(timeUp.PlayingTimePanel, "Total Playing Time:  0: 3: 0");
    EXPECT_EQ(state.WordTimerMinutes, -1);
    EXPECT_FALSE(clocks.Running());
}

TEST_F(Clocks, TheHardWordTimerRunsOutAfterOneMinuteAndBothClocksStandStill) {
    NewGame(1);
    EXPECT_EQ(TickEverySecond(59).WordTimerPanel, "Word Timer:  0: 1");
    ASSERT_TRUE(TickAfter(1).TimedOut);
    clock.Advance(30);
    EXPECT_FALSE(clocks.Tick(state).has_value());
    EXPECT_EQ(state.PlayingTime, " 0: 1: 0");

    NewGame(1);
    const ClockReading restarted = TickAfter(0);
    EXPECT_EQ(restarted.PlayingTimePanel, "Total Playing Time:  0: 0: 0");
    EXPECT_EQ(restarted.WordTimerPanel, "Word Timer:  0: 60");
}

TEST_F(Clocks, VeryEasyShowsTimerOffAndNeverRunsOut) {
    NewGame(3);
    EXPECT_EQ(TickAfter(0).WordTimerPanel, "Timer Off");
    const ClockReading later = TickAfter(5 * 3600);
    EXPECT_EQ(later.WordTimerPanel, "Timer Off");
    EXPECT_FALSE(later.TimedOut);
    EXPECT_EQ(state.WordTimerMinutes, -1);
}

TEST_F(Clocks, AnAcceptedWordRestartsTheWordTimer) {
    NewGame(2);
    TickEverySecond(170);
    state.WordTimerStart = clock.Now();
    state.WordTimerMinutes = 2;
    EXPECT_EQ(TickAfter(0).WordTimerPanel, "Word Timer:  2: 60");
    EXPECT_EQ(TickAfter(60).WordTimerPanel, "Word Timer:  1: 60");
}

TEST_F(Clocks, AFiveSecondPauseAcrossTheMinuteKeepsBothClocksRight) {
    NewGame(2);
    TickEverySecond(57);
    const ClockReading afterPause = TickAfter(5);
    EXPECT_EQ(afterPause.PlayingTimePanel, "Total Playing Time:  0: 1: 2");
    EXPECT_EQ(afterPause.WordTimerPanel, "Word Timer:  1: 58");
    const ClockReading nextMinute = TickAfter(58);
    EXPECT_EQ(nextMinute.PlayingTimePanel, "Total Playing Time:  0: 2: 0");
    EXPECT_EQ(nextMinute.WordTimerPanel, "Word Timer:  0: 60");
}

TEST_F(Clocks, ALongPauseCountsEveryMinuteAndRunsTheEasyWordTimerOut) {
    NewGame(2);
    TickAfter(10);
    const ClockReading afterPause = TickAfter(180);
    EXPECT_TRUE(afterPause.TimedOut);
    EXPECT_EQ(afterPause.PlayingTimePanel, "Total Playing Time:  0: 3: 10");
    EXPECT_EQ(state.WordTimerMinutes, -1);

    NewGame(3);
    TickAfter(10);
    EXPECT_EQ(TickAfter(2 * 3600 + 8 * 60).PlayingTimePanel, "Total Playing Time:  2: 8: 10");
}

TEST_F(Clocks, AClockSetBackRestartsTheRunningMinutesWithoutNegativeSeconds) {
    NewGame(2);
    TickEverySecond(20);
    const ClockReading reading = TickAfter(-50);
    EXPECT_EQ(reading.PlayingTimePanel, "Total Playing Time:  0: 0: 0");
    EXPECT_EQ(reading.WordTimerPanel, "Word Timer:  2: 60");
    EXPECT_EQ(TickAfter(1).PlayingTimePanel, "Total Playing Time:  0: 0: 1");
}

} // namespace
} // namespace lexabit
