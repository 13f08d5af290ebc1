#include "ui/LargeFont.h"

namespace lexabit {

QFont LargeBoldFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace lexabit
