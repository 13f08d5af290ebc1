#pragma once

// What a word is worth: letter values, the laying bonus for the cards it was laid with,
// the bonus for its length, and adding points to the score without wrapping it.

#include "game/model/GameState.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lexabit {

class GameState;

// What an accepted word is worth: the points it was laid with (its letter values and
// the laying bonus, as the points label shows them) and its length bonus.
struct WordPoints {
    double Laid = 0;
    std::int16_t Bonus = 0;
};

// The "Points" column of the word's row: " 9 + 3" with a length bonus, " 7" without.
// Throws std::out_of_range for laid points too large to write as a whole number.
std::string WordRowPointsText(const WordPoints& points);

// The bonus an accepted word earns for its length on top of its laid points:
// 4 letters 2, 5 letters 3, 6 letters 5, 7 letters 10, any other length nothing.
std::int16_t WordLengthBonus(std::string_view word);

// Adds points to the game's 16-bit score, rounding halves to even. An addition that
// would carry the score outside -32768..32767 is not made: the score stays as it was
// and the answer is false, so the score never wraps round.
bool AddToScore(std::int16_t& score, double points);

// What laying a word of that many cards adds to its letter values: 3 for five cards,
// 4 for six, 10 for seven and more.
int LayingBonus(int cards);

// Letter values of the word plus its laying bonus.
long long LaidWordPoints(const GameState& state);

// The labels' texts for the word as it stands.
WordDisplay ShowWord(const GameState& state);

} // namespace lexabit
