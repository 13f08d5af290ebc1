#pragma once

#include <QPointF>
#include <QSizeF>

class QPaintDevice;

namespace lexabit {

// The page is laid out in the pixels of a printer of 600 dots per inch, whatever the
// resolution of the device it is drawn on.
inline constexpr double PageDotsPerInch = 600;

// How many of the device's pixels one page pixel takes, across and down: 2 on a printer
// of 1200 dots per inch, 0.5 on one of 300.
QPointF DevicePixelsPerPagePixel(const QPaintDevice& device);

// The device's printable area in page pixels.
QSizeF PrintableArea(const QPaintDevice& device);

// The scale that brings text reaching this far onto a printable area of this size:
// 1 when it fits, less when the device's pixels are too coarse for the page's
// positions or its font too wide for the paper, never more than 1.
double PageFitScale(const QSizeF& textExtent, const QSizeF& printableArea);

} // namespace lexabit
