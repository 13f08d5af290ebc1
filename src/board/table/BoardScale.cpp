#include "board/table/BoardScale.h"

#include <algorithm>
#include <cmath>

namespace lexabit {

double BoardScaleFor(QSizeF pixels) {
    const double fit = std::min(pixels.width() / DesignBoardUnits.width(),
                                pixels.height() / DesignBoardUnits.height());
    return std::clamp(fit, SmallestBoardScale, LargestBoardScale);
}

QSize BoardPixelsAt(double scale) {
    return {static_cast<int>(std::ceil(DesignBoardUnits.width() * scale)),
            static_cast<int>(std::ceil(DesignBoardUnits.height() * scale))};
}

QSize OpeningBoardPixels(QSize room) {
    const double fit = std::min(static_cast<double>(room.width()) / DesignBoardUnits.width(),
                                static_cast<double>(room.height()) / DesignBoardUnits.height());
    if (fit >= 1) {
        return DesignBoardUnits;
    }
    // Rounded down, so the smaller board stays within the room.
    const double scale = std::max(fit, SmallestBoardScale);
    return {std::max(static_cast<int>(DesignBoardUnits.width() * scale),
                     BoardPixelsAt(SmallestBoardScale).width()),
            std::max(static_cast<int>(DesignBoardUnits.height() * scale),
                     BoardPixelsAt(SmallestBoardScale).height())};
}

} // namespace lexabit
