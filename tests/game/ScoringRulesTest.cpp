#include "game/scoring/WordScore.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

// Four to seven letters are rewarded (each length is scored in the word check's table).
TEST(WordLengthBonus, NothingBeyondSevenLettersOrForNone) {
    EXPECT_EQ(WordLengthBonus("ANAGRAMS"), 0);
    EXPECT_EQ(WordLengthBonus(""), 0);
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

} // namespace
} // namespace lexabit
