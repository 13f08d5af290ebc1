#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace lexabit {

// The nine card-back styles, numbered in the order of the card options list.
inline constexpr int CardBackStyleCount = 9;

bool IsCardBackStyle(int style);
// "Castle", "Fish", ... "Chess"; empty for a number that is not a style.
QString CardBackStyleName(int style);
// Where the style's picture lives in the program's resources; empty for a number that is not a
// style.
QString CardBackResource(int style);
// The size the back was drawn for: 71 by 96, except Chess with 122 by 160; empty for a number
// that is not a style.
QSize CardBackNativeSize(int style);
// Renders the back stretched to logicalSize at the device pixel ratio; null when the style, the
// size or the ratio is out of range, or when the picture cannot be read.
QPixmap RenderCardBack(int style, QSize logicalSize, qreal dpr);

} // namespace lexabit
