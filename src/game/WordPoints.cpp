#include "game/WordPoints.h"

#include "game/NumberText.h"

#include <cmath>
#include <stdexcept>

namespace lexabit {

std::string WordRowPointsText(const WordPoints& points) {
    if (!(std::abs(points.Laid) < 1e15)) {
        throw std::out_of_range("laid points out of range");
    }
    const std::string laid = NumberText(RoundHalfEven(points.Laid));
    return points.Bonus > 0 ? laid + " +" + NumberText(points.Bonus) : laid;
}

} // namespace lexabit
