#include "TestTable.h"
#include "game/scoring/ScoreTexts.h"
#include "game/scoring/WordScore.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

// Each length up to seven is scored in the word check's table.
TEST(WordLengthBonus, NothingBeyondSevenLetters) {
    EXPECT_EQ(WordLengthBonus("ANAGRAMS"), 0);
}

TEST(AddToScore, AddsRoundedHalvesToEvenWhenTheSumFitsAndOtherwiseLeavesTheScore) {
    struct Case {
        std::int16_t score;
        double added;
        bool fits;
        std::int16_t after;
    };
    const Case cases[] = {
        {32750, 17, true, 32767},   {-32760, -8, true, -32768},  {10, 2.5, true, 12},
        {32760, 8, false, 32760},   {-32760, -9, false, -32760}, {0, 1e300, false, 0},
        {32767, 0.5, false, 32767}, // 32767.5 rounds to 32768
    };
    for (const Case& c : cases) {
        std::int16_t score = c.score;
        EXPECT_EQ(AddToScore(score, c.added), c.fits) << c.score << " + " << c.added;
        EXPECT_EQ(score, c.after) << c.score << " + " << c.added;
    }
}

TEST(Rating, FollowsTheLetterCardsNotYetUsed) {
    const std::pair<int, const char*> ratings[] = {
        {0, "Master"},  {1, "Fantastic"}, {2, "Excellent"}, {3, "Great"}, {4, "Good"},
        {5, "Average"}, {6, "Fair"},      {60, "Fair"},     {-1, ""}};
    for (const auto& [cardsLeft, rating] : ratings) {
        EXPECT_EQ(SkillLevelFor(cardsLeft), rating) << cardsLeft;
    }
    testing::TestTable table("ABCDEFGHIJ"); // pack, table and word cards count; markers not
    for (int i = 1; i <= 9; ++i) {
        table.MarkUsed(i);
    }
    EXPECT_EQ(CardsLeft(table.state), 1);
    EXPECT_EQ(RatingMessage(table.state), "Your skill level is: Fantastic, You had 1 card left");
    table.PutInColumn(1, 1);
    table.MakeWord({2, 3}, 2);
    EXPECT_EQ(RatingMessage(table.state), "Your skill level is: Good, You had 4 cards left");
}

} // namespace
} // namespace lexabit
