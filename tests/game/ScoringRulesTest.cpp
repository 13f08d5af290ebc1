#include "game/LengthBonus.h"
#include "game/ScoreAddition.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(LengthBonus, RewardsFourToSevenLetters) {
    EXPECT_EQ(LengthBonus("CAT"), 0);
    EXPECT_EQ(LengthBonus("QUIZ"), 2);
    EXPECT_EQ(LengthBonus("BREAD"), 3);
    EXPECT_EQ(LengthBonus("SQUASH"), 5);
    EXPECT_EQ(LengthBonus("ANAGRAM"), 10);
    EXPECT_EQ(LengthBonus("ANAGRAMS"), 0);
    EXPECT_EQ(LengthBonus(""), 0);
}

TEST(AddToScore, AddsWithinTheScoresRange) {
    std::int16_t score = 32750;
    EXPECT_TRUE(AddToScore(score, 17));
    EXPECT_EQ(score, 32767);
    score = -32760;
    EXPECT_TRUE(AddToScore(score, -8));
    EXPECT_EQ(score, -32768);
}

TEST(AddToScore, LeavesTheScoreWhenTheSumWouldNotFit) {
    std::int16_t score = 32760;
    EXPECT_FALSE(AddToScore(score, 8));
    EXPECT_EQ(score, 32760);
    score = -32760;
    EXPECT_FALSE(AddToScore(score, -9));
    EXPECT_EQ(score, -32760);
    score = 0;
    EXPECT_FALSE(AddToScore(score, 1e300));
    EXPECT_EQ(score, 0);
}

TEST(AddToScore, RoundsHalvesToEven) {
    std::int16_t score = 10;
    EXPECT_TRUE(AddToScore(score, 2.5));
    EXPECT_EQ(score, 12);
    score = 32767;
    EXPECT_FALSE(AddToScore(score, 0.5)); // 32767.5 rounds to 32768
    EXPECT_EQ(score, 32767);
}

} // namespace
} // namespace lexabit
