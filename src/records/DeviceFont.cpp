#include "records/DeviceFont.h"

#include <QGuiApplication>
#include <QPaintDevice>

namespace lexabit {

DeviceFont::DeviceFont(const QPaintDevice& device)
    : device_(device), font_(QGuiApplication::font()), metrics_(font_, &device) {}

void DeviceFont::SetPointSize(double points) {
    font_.setPointSizeF(points);
    metrics_ = QFontMetricsF(font_, &device_);
}

double DeviceFont::Width(std::string_view text) const {
    return metrics_.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace lexabit
