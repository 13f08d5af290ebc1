#include "game/model/Alphabet.h"

#include "game/model/Texts.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(Alphabet, LettersTheirValuesAndVowels) {
    EXPECT_EQ(LetterOf(1), "A");
    EXPECT_EQ(LetterOf(26), "Z");
    for (const int outside : {0, 27, -3}) {
        EXPECT_EQ(LetterOf(outside), "");
    }
    int sum = 0;
    for (int n = 1; n <= 26; ++n) {
        sum += LetterValue(LetterOf(n)) * StandardLetterCounts[n - 1];
    }
    EXPECT_EQ(sum, 187); // the whole standard pack
    EXPECT_EQ(LetterValue("Q"), 10);
    for (const char* notALetter : {"a", "", "AB"}) {
        EXPECT_EQ(LetterValue(notALetter), 0);
    }
    for (const char* vowel : {"A", "E", "I", "O", "U"}) {
        EXPECT_TRUE(IsVowel(vowel));
    }
    EXPECT_FALSE(IsVowel("Y"));
    EXPECT_FALSE(IsVowel("a"));
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
