#include "TestTable.h"
#include "game/model/Alphabet.h"
#include "game/scoring/ScoreTexts.h"
#include "game/scoring/WordScore.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

// Each length bonus up to seven letters is scored in the word check's table.
TEST(WordScore, NoLengthBonusBeyondSevenLettersAndSumsThatFitAddRoundedHalvesToEven) {
    EXPECT_EQ(WordLengthBonus("ANAGRAMS"), 0);
    const std::tuple<std::int16_t, double, bool, std::int16_t> cases[] = {
        // score, added, fits, after
        {32750, 17, true, 32767},   {-32760, -8, true, -32768},  {10, 2.5, true, 12},
        {32760, 8, false, 32760},   {-32760, -9, false, -32760}, {0, 1e300, false, 0},
        {32767, 0.5, false, 32767}, // 32767.5 rounds to 32768
    };
    for (const auto& [before, added, fits, after] : cases) {
        std::int16_t score = before;
        EXPECT_EQ(AddToScore(score, added), fits) << before << " + " << added;
        EXPECT_EQ(score, after) << before << " + " << added;
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

TEST(Alphabet, LettersTheirValuesAndVowels) {
    EXPECT_EQ(LetterOf(1), 'A');
    EXPECT_EQ(LetterOf(26), 'Z');
    for (const int outside : {0, 27, -3}) {
        EXPECT_EQ(LetterOf(outside), '\0');
    }
    int sum = 0;
    for (int n = 1; n <= 26; ++n) {
        sum += LetterValue(LetterOf(n)) * StandardLetterCounts[n - 1];
    }
    EXPECT_EQ(sum, 187); // the whole standard pack
    for (const char notALetter : {'a', '\0', '['}) {
        EXPECT_EQ(LetterValue(notALetter), 0);
    }
    for (const char vowel : {'A', 'E', 'I', 'O', 'U'}) {
        EXPECT_TRUE(IsVowel(vowel));
    }
    EXPECT_FALSE(IsVowel('Y'));
    EXPECT_FALSE(IsVowel('a'));
}

TEST(LetterCounts, FieldsReadAsLeadingNumbersUpTo999) {
    const std::pair<const char*, int> fields[] = {
        {"9", 9},   {" 2 cards", 2}, {"many", 0}, {"2.5", 2},
        {"3.5", 4}, {"-1", -1},      {"", 0},     {"100000", MaxLetterCount}};
    LetterCountTexts texts;
    texts.fill("0");
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        texts[k] = fields[k].first;
    }
    const LetterCountValues counts = ReadLetterCounts(texts);
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        EXPECT_EQ(counts[k], fields[k].second) << fields[k].first;
    }
    EXPECT_EQ(SumOfCounts(counts), 9 + 2 + 2 + 4 - 1 + 999);
    EXPECT_EQ(SumOfCounts(ReadLetterCounts(StandardLetterCountTexts())), 98);
}

} // namespace
} // namespace lexabit
