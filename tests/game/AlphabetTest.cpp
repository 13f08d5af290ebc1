#include "game/model/Alphabet.h"

#include "game/model/Texts.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(Alphabet, LetterOfNamesTheCapitalsAndNothingElse) {
    EXPECT_EQ(LetterOf(1), "A");
    EXPECT_EQ(LetterOf(26), "Z");
    EXPECT_EQ(LetterOf(0), "");
    EXPECT_EQ(LetterOf(27), "");
    EXPECT_EQ(LetterOf(-3), "");
}

TEST(Alphabet, LetterValueTakesOnlyOneCapital) {
    EXPECT_EQ(LetterValue("Q"), 10);
    EXPECT_EQ(LetterValue("Z"), 10);
    EXPECT_EQ(LetterValue("A"), 1);
    EXPECT_EQ(LetterValue("K"), 5);
    EXPECT_EQ(LetterValue("J"), 8);
    EXPECT_EQ(LetterValue("a"), 0);
    EXPECT_EQ(LetterValue(""), 0);
    EXPECT_EQ(LetterValue("AB"), 0);
    int sum = 0;
    for (int n = 1; n <= 26; ++n) {
        sum += LetterValue(LetterOf(n)) * StandardLetterCounts[n - 1];
    }
    EXPECT_EQ(sum, 187); // the whole standard pack
}

TEST(Alphabet, VowelsAreAEIOUAndYIsNot) {
    for (const char* vowel : {"A", "E", "I", "O", "U"}) {
        EXPECT_TRUE(IsVowel(vowel));
    }
    EXPECT_FALSE(IsVowel("Y"));
    EXPECT_FALSE(IsVowel("a"));
}

TEST(NumberText, ShowsABlankOrAMinusInFront) {
    EXPECT_EQ(NumberText(98), " 98");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-4), "-4");
}

TEST(NumberText, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(453.5), 454);
    EXPECT_EQ(RoundHalfEven(454.5), 454);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(LetterCounts, FieldsReadAsLeadingNumbers) {
    LetterCountTexts texts;
    texts.fill("0");
    texts[0] = "9";
    texts[1] = " 2 cards";
    texts[2] = "many";
    texts[3] = "2.5";
    texts[4] = "3.5";
    texts[5] = "-1";
    texts[6] = "";
    texts[7] = "100000";
    const LetterCountValues counts = ReadLetterCounts(texts);
    EXPECT_EQ(counts[0], 9);
    EXPECT_EQ(counts[1], 2);
    EXPECT_EQ(counts[2], 0);
    EXPECT_EQ(counts[3], 2);
    EXPECT_EQ(counts[4], 4);
    EXPECT_EQ(counts[5], -1);
    EXPECT_EQ(counts[6], 0);
    EXPECT_EQ(counts[7], MaxLetterCount);
    EXPECT_EQ(SumOfCounts(counts), 9 + 2 + 2 + 4 - 1 + 999);
}

TEST(LetterCounts, StandardFieldsHold98Cards) {
    EXPECT_EQ(SumOfCounts(ReadLetterCounts(StandardLetterCountTexts())), 98);
    LetterCountTexts huge;
    huge.fill("5000");
    EXPECT_EQ(SumOfCounts(ReadLetterCounts(huge)), 26 * 999); // still a 16-bit number
}

} // namespace
} // namespace lexabit
