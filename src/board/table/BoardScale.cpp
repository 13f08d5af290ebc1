#include "board/table/BoardScale.h"

#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"

#include <algorithm>
#include <cmath>

namespace lexabit {

double BoardScaleFor(QSizeF pixels, int wordCards, double statusBarUnits) {
    // The word's column stands a third of the way down the board, so the word and the
    // status bar below it take two thirds of the board's height; two units more allow for
    // the column's top rounded to a whole unit.
    constexpr double rounding = 2;
    const double wordUnits = (wordCards - 1) * WordCardStep + CardHeight + statusBarUnits;
    const double height = std::max<double>(DesignBoardUnits.height(),
                                           wordCards > 1 ? wordUnits * 3 / 2 + rounding : 0);
    const double fit =
        std::min(pixels.width() / DesignBoardUnits.width(), pixels.height() / height);
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
