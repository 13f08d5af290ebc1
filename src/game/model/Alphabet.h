#pragma once

// The letters of the game: their values, and how many of each the deal holds.

#include <array>
#include <string>

namespace lexabit {

inline constexpr int LetterCount = 26;

// The capital letter of letter number n (1 = 'A' ... 26 = 'Z'); '\0' for any other n.
char LetterOf(int n);
// The point value of a capital letter; 0 for anything else.
int LetterValue(char letter);
// Vowels for the table's balance: A, E, I, O and U.
bool IsVowel(char letter);

// How many cards of each letter a standard pack holds, A to Z: 98 in all.
inline constexpr std::array<int, LetterCount> StandardLetterCounts = {
    9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6, 8, 2, 1, 6, 4, 6, 4, 2, 2, 1, 2, 1};

using LetterCountTexts = std::array<std::string, LetterCount>;
using LetterCountValues = std::array<int, LetterCount>;

// The highest count one letter may have, so that any total fits a 16-bit number.
inline constexpr int MaxLetterCount = 999;

// Reads the 26 count fields: each as a decimal number from its beginning, rounded
// halves to even, kept within -999..999.
LetterCountValues ReadLetterCounts(const LetterCountTexts& texts);
int SumOfCounts(const LetterCountValues& counts);
// How many letter cards a deal makes: the sum of the counts, or none when negative
// counts take the sum below zero, as for counts that are no numbers.
int CardsToDeal(const LetterCountValues& counts);
// The count fields of a standard pack.
LetterCountTexts StandardLetterCountTexts();

} // namespace lexabit
