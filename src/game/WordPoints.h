#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lexabit {

// What an accepted word is worth: the points it was laid with (its letter values and
// the laying bonus, as the points label shows them) and its length bonus.
struct WordPoints {
    double Laid = 0;
    std::int16_t Bonus = 0;
};

// The "Points" column of the word's row: " 9 + 3" with a length bonus, " 7" without.
// Throws std::out_of_range for laid points too large to write as a whole number.
std::string WordRowPointsText(const WordPoints& points);

} // namespace lexabit
