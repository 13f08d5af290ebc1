#include "game/ScoreAddition.h"

#include "game/NumberText.h"

#include <limits>

namespace lexabit {

bool AddToScore(std::int16_t& score, double points) {
    constexpr double Lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double Highest = std::numeric_limits<std::int16_t>::max();
    const double sum = score + points;
    // Checked before rounding as well, so that no huge or non-finite sum is converted.
    if (!(sum >= Lowest - 1 && sum <= Highest + 1)) {
        return false;
    }
    const long long rounded = RoundHalfEven(sum);
    if (rounded < Lowest || rounded > Highest) {
        return false;
    }
    score = static_cast<std::int16_t>(rounded);
    return true;
}

} // namespace lexabit
