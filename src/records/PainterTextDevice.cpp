#include "records/PainterTextDevice.h"

#include "records/PageFit.h"
#include "ui/ColourValue.h"
#include "ui/GameText.h"

#include <QPagedPaintDevice>

namespace lexabit {

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
