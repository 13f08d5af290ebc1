#include "game/StatusPanelTexts.h"


#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(StatusPanelTexts, NumbersStandAfterABlankOrAMinusSign) {
    EXPECT_EQ(TotalScorePanel(0), "Total Score:  0");
    EXPECT_EQ(TotalScorePanel(-3), "Total Score: -3");
    EXPECT_EQ(WordCountPanel(0), "Total Number of Words:  0");
    EXPECT_EQ(WordCountPanel(12), "Total Number of Words:  12");
    EXPECT_EQ(CardsLeftPanel(98), " Number of Cards Left:  98");
    EXPECT_EQ(PlayingTimePanel("0"), "Total Playing Time: 0");
}

TEST(StatusPanelTexts, TheWordTimerShowsMinutesAndSecondsLeft) {
    EXPECT_EQ(WordTimerPanel(2, 60), "Word Timer:  2: 60");
    EXPECT_EQ(WordTimerPanel(0, 1), "Word Timer:  0: 1");
    EXPECT_STREQ(TimerOffPanel, "Timer Off");
    EXPECT_EQ(PlayingTimeText(1, 0, 5), " 1: 0: 5");
}

} // namespace
} // namespace lexabit
