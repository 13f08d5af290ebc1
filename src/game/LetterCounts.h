#pragma once

#include "game/Alphabet.h"

#include <array>
#include <string>

namespace lexabit {

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
