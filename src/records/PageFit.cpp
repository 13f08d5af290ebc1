#include "records/PageFit.h"

#include <QPaintDevice>
#include <algorithm>

namespace lexabit {

QPointF DevicePixelsPerPagePixel(const QPaintDevice& device) {
    // A device that reports no resolution is taken as one of the page's own.
    const auto perPagePixel = [](int dotsPerInch) {
        return dotsPerInch > 0 ? dotsPerInch / PageDotsPerInch : 1.0;
    };
    return {perPagePixel(device.logicalDpiX()), perPagePixel(device.logicalDpiY())};
}

QSizeF PrintableArea(const QPaintDevice& device) {
    const QPointF perPagePixel = DevicePixelsPerPagePixel(device);
    return {device.width() / perPagePixel.x(), device.height() / perPagePixel.y()};
}

double PageFitScale(const QSizeF& textExtent, const QSizeF& printableArea) {
    double scale = 1.0;
    if (textExtent.width() > printableArea.width() && textExtent.width() > 0) {
        scale = std::min(scale, printableArea.width() / textExtent.width());
    }
    if (textExtent.height() > printableArea.height() && textExtent.height() > 0) {
        scale = std::min(scale, printableArea.height() / textExtent.height());
    }
    return scale;
}

} // namespace lexabit
