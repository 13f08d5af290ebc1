#pragma once

#include <string>

namespace lexabit {

class GameState;

// The texts of the two labels above the table: the word and its provisional points.
struct WordDisplay {
    std::string Word;   // for WordLabel
    std::string Points; // for PointsLabel, such as " 8 Points"

    friend bool operator==(const WordDisplay&, const WordDisplay&) = default;
};

// What laying a word of that many cards adds to its letter values: 3 for five cards,
// 4 for six, 10 for seven and more.
int LayingBonus(int cards);

// Letter values of the word plus its laying bonus.
long long LaidWordPoints(const GameState& state);

// The labels' texts for the word as it stands.
WordDisplay ShowWord(const GameState& state);

} // namespace lexabit
