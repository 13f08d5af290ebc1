#include "game/scoring/ScoreTexts.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(StatusPanelTexts, ANegativeScoreShowsItsMinusSignInPlaceOfTheBlank) {
    EXPECT_EQ(TotalScorePanel(-3), "Total Score: -3");
    EXPECT_EQ(PlayingTimePanel("0"), "Total Playing Time: 0"); // before the first tick
}

} // namespace
} // namespace lexabit
