#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lexabit {

inline constexpr int LetterCount = 26;

// The capital letter of letter number n (1 = "A" ... 26 = "Z"); empty for any other n.
std::string LetterOf(int n);
// The point value of one capital letter; 0 for anything else.
int LetterValue(std::string_view letter);
// Vowels for the table's balance: A, E, I, O and U.
bool IsVowel(std::string_view letter);

// How many cards of each letter a standard pack holds, A to Z: 98 in all.
inline constexpr std::array<int, LetterCount> StandardLetterCounts = {
    9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6, 8, 2, 1, 6, 4, 6, 4, 2, 2, 1, 2, 1};

} // namespace lexabit
