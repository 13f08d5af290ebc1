#pragma once

#include <QSizeF>

namespace lexabit {

// The scale that brings text reaching this far onto a printable area of this size:
// 1 when it fits, less when the device's pixels are too coarse for the page's
// positions or its font too wide for the paper, never more than 1.
double PageFitScale(const QSizeF& textExtent, const QSizeF& printableArea);

} // namespace lexabit
