#pragma once

#include "game/print/PageCanvas.h"
#include "records/DeviceFont.h"

#include <QSizeF>

namespace lexabit {

// Lays a page out without drawing it, to learn how far right and down its text
// reaches on the device.
class TextExtentDevice final : public TextDevice {
public:
    explicit TextExtentDevice(const QPaintDevice& device) : font_(device) {}

    // Right edge of the widest line and bottom edge of the lowest, in page pixels.
    QSizeF Extent() const { return {right_, bottom_}; }

    void SetFontSize(double points) override { font_.SetPointSize(points); }
    void SetTextColor(std::int32_t /*colour*/) override {}
    void DrawText(double x, double y, std::string_view text) override;
    double TextWidth(std::string_view text) const override { return font_.Width(text); }
    double AverageCharWidth() const override { return font_.AverageCharWidth(); }
    double LineHeight() const override { return font_.LineHeight(); }
    void EndDocument() override {}

private:
    DeviceFont font_;
    double right_ = 0;
    double bottom_ = 0;
};

} // namespace lexabit
