#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lexabit {

// What an accepted word is worth: the points it was laid with (its letter values and
// the laying bonus, the number the points label starts with) and its length bonus.
struct WordPoints {
    double Laid = 0;
    std::int16_t Bonus = 0;
};

WordPoints PointsOfWord(std::string_view word, std::string_view pointsLabel);

// The "Points" column of the word's row: " 9 + 3" with a length bonus, " 7" without.
// Throws std::out_of_range for laid points too large to write as a whole number.
std::string WordRowPointsText(const WordPoints& points);

} // namespace lexabit
