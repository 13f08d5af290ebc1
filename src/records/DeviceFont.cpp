#include "records/DeviceFont.h"

#include "records/PageFit.h"
#include "ui/GameText.h"

#include <QGuiApplication>
#include <QPaintDevice>

namespace lexabit {

DeviceFont::DeviceFont(const QPaintDevice& device)
    : device_(device), pointScale_(1 / DevicePixelsPerPagePixel(device).y()),
      font_(QGuiApplication::font()), metrics_(font_, &device) {
    if (font_.pointSizeF() > 0) {
        SetPointSize(font_.pointSizeF());
    }
}

void DeviceFont::SetPointSize(double points) {
    font_.setPointSizeF(points * pointScale_);
    metrics_ = QFontMetricsF(font_, &device_);
}

double DeviceFont::Width(std::string_view text) const {
    return metrics_.horizontalAdvance(Text(text));
}

} // namespace lexabit
