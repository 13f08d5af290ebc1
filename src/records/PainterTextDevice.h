#pragma once

#include "game/print/PageCanvas.h"
#include "records/DeviceFont.h"

#include <QPainter>

class QPagedPaintDevice;

namespace lexabit {

// The printed page's text device on a printer or a PDF writer: positions in page pixels
// (600 to the inch) and fonts in points, drawn at the device's own resolution and at the
// given scale.
class PainterTextDevice final : public TextDevice {
public:
    // Starts painting on the device; Began() tells whether the device accepted it.
    PainterTextDevice(QPagedPaintDevice& device, double scale);
    ~PainterTextDevice() override;
    PainterTextDevice(const PainterTextDevice&) = delete;
    PainterTextDevice& operator=(const PainterTextDevice&) = delete;

    bool Began() const { return began_; }
    // True once EndDocument has finished the page without an error.
    bool Ended() const { return ended_; }

    void SetFontSize(double points) override;
    void SetTextColor(std::int32_t colour) override;
    void DrawText(double x, double y, std::string_view text) override;
    double TextWidth(std::string_view text) const override { return font_.Width(text); }
    double AverageCharWidth() const override { return font_.AverageCharWidth(); }
    double LineHeight() const override { return font_.LineHeight(); }
    void EndDocument() override;

private:
    QPainter painter_;
    DeviceFont font_;
    bool began_ = false;
    bool ended_ = false;
};

} // namespace lexabit
