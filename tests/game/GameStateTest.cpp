#include "game/model/GameState.h"

#include "FakePorts.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(GameState, TheTopmostVisibleCardIsFoundUnderAPoint) {
    GameState state;
    for (int i = 1; i <= 3; ++i) {
        state.CreateCard(i);
        state.Card(i).Visible = true;
        state.Card(i).Left = 100;
        state.Card(i).Top = 100;
    }
    state.Card(3).Visible = false;
    EXPECT_EQ(state.CardAt(150, 150), 2);
    state.RaiseCard(1);
    EXPECT_EQ(state.CardAt(150, 150), 1);
    EXPECT_EQ(state.CardAt(100 + CardWidth - 0.5, 100), 1);
    EXPECT_FALSE(state.CardAt(100 + CardWidth, 100).has_value());
    EXPECT_FALSE(state.CardAt(99.5, 150).has_value());
}

TEST(GameState, CardsAreCreatedOnceAndDestroyedForGood) {
    GameState state;
    state.CreateCard(2);
    EXPECT_TRUE(state.CardExists(2));
    EXPECT_FALSE(state.CardExists(1));
    EXPECT_THROW(state.CreateCard(2), std::logic_error);
    state.DestroyCard(2);
    EXPECT_FALSE(state.CardExists(2));
    EXPECT_THROW((void)state.Card(2), std::out_of_range);
    state.DestroyCard(0);
    EXPECT_TRUE(state.CardExists(0)); // the template stays
}

TEST(NewGameReset, WordTimerFollowsTheLevel) {
    EXPECT_EQ(WordTimerMinutesFor(1, 7), 0);
    EXPECT_EQ(WordTimerMinutesFor(2, 7), 2);
    EXPECT_EQ(WordTimerMinutesFor(3, 7), -1);
    EXPECT_EQ(WordTimerMinutesFor(4, 7), 7);
    EXPECT_EQ(WordTimerMinutesFor(0, -1), -1);
}

TEST(NewGameReset, ResetsTheClocksScoreAndCardStyle) {
    GameState state;
    testing::FakeClock clock;
    state.TotalScore = 120;
    state.PlayMinutes = 12;
    state.PlayHours = 1;
    state.PlayingTime = "1:12:00";
    state.Dragging = true;
    state.CardStyle = 0;
    state.Level = 1;
    ResetGameVariables(state, StandardLetterCounts, clock.Now());
    EXPECT_EQ(state.TotalScore, 0);
    EXPECT_EQ(state.PlayMinutes, 0);
    EXPECT_EQ(state.PlayHours, 0);
    EXPECT_EQ(state.PlayingTime, "0");
    EXPECT_FALSE(state.Dragging);
    EXPECT_EQ(state.CardStyle, 8);
    EXPECT_EQ(state.WordTimerMinutes, 0);
    EXPECT_EQ(state.CardsTotal, 98);
    EXPECT_EQ(state.MinuteStart, clock.Now());
    EXPECT_EQ(state.WordTimerStart, clock.Now());

    state.CardStyle = 5;
    ResetGameVariables(state, StandardLetterCounts, clock.Now());
    EXPECT_EQ(state.CardStyle, 5);
}

} // namespace
} // namespace lexabit
