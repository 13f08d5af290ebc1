#include "records/PageDevices.h"

#include "ui/ColourValue.h"
#include "ui/GameText.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
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

void TextExtentDevice::DrawText(double x, double y, std::string_view text) {
    right_ = std::max(right_, x + font_.Width(text));
    bottom_ = std::max(bottom_, y + font_.LineHeight());
}

PainterTextDevice::PainterTextDevice(QPagedPaintDevice& device, double scale) : font_(device) {
    began_ = painter_.begin(&device);
    if (began_) {
        const QPointF perPagePixel = DevicePixelsPerPagePixel(device);
        painter_.scale(scale * perPagePixel.x(), scale * perPagePixel.y());
        painter_.setFont(font_.Font());
        painter_.setPen(Qt::black);
    }
}

PainterTextDevice::~PainterTextDevice() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void PainterTextDevice::SetFontSize(double points) {
    font_.SetPointSize(points);
    if (began_) {
        // The painter sizes the font as the metrics do, then scales it with the page.
        painter_.setFont(font_.Font());
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
    painter_.drawText(QPointF(x, y + font_.Ascent()), Text(text));
}

void PainterTextDevice::EndDocument() {
    if (painter_.isActive()) {
        ended_ = painter_.end();
    }
}

} // namespace lexabit
