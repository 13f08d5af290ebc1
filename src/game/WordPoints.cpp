#include "game/WordPoints.h"

#include "game/LengthBonus.h"
#include "game/NumberText.h"

#include <cmath>
#include <stdexcept>

namespace lexabit {

WordPoints PointsOfWord(std::string_view word, std::string_view pointsLabel) {
    return {LeadingNumber(pointsLabel), LengthBonus(word)};
}

std::string WordRowPointsText(const WordPoints& points) {
    if (!(std::abs(points.Laid) < 1e15)) {
        throw std::out_of_range("laid points out of range");
    }
    const std::string laid = NumberText(RoundHalfEven(points.Laid));
    return points.Bonus > 0 ? laid + " +" + NumberText(points.Bonus) : laid;
}

} // namespace lexabit
