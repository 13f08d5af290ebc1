#include "records/RecordsFont.h"

namespace lexabit {

QFont RecordsFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace lexabit
