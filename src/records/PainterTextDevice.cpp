#include "records/PainterTextDevice.h"

#include "options/ColourValue.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>

namespace lexabit {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PainterTextDevice::PainterTextDevice(QPagedPaintDevice& device)
    : device_(device), font_(QGuiApplication::font()) {
    began_ = painter_.begin(&device_);
    if (began_) {
        painter_.setFont(font_);
        painter_.setPen(Qt::black);
    }
}

PainterTextDevice::~PainterTextDevice() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void PainterTextDevice::SetFontSize(double points) {
    font_.setPointSizeF(points);
    if (began_) {
        // The painter scales the point size to the device's resolution.
        painter_.setFont(font_);
    }
}

void PainterTextDevice::SetTextColor(std::int32_t colour) {
    if (began_) {
        painter_.setPen(ToQColor(colour));
    }
}

void PainterTextDevice::DrawText(double x, double y, std::string_view text) {
    if (!began_) {
        return;
    }
    // The page places a line by its top edge; the painter writes on the baseline.
    const double baseline = y + QFontMetricsF(font_, &device_).ascent();
    painter_.drawText(QPointF(x, baseline), Utf8(text));
}

double PainterTextDevice::TextWidth(std::string_view text) const {
    return QFontMetricsF(font_, &device_).horizontalAdvance(Utf8(text));
}

double PainterTextDevice::AverageCharWidth() const {
    return QFontMetricsF(font_, &device_).averageCharWidth();
}

double PainterTextDevice::LineHeight() const {
    return QFontMetricsF(font_, &device_).lineSpacing();
}

void PainterTextDevice::EndDocument() {
    if (painter_.isActive()) {
        ended_ = painter_.end();
    }
}

} // namespace lexabit
