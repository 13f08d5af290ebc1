#pragma once

// The devices a printed page is laid out on, in the pixels of a 600 dots-per-inch
// printer: the fit of the page to a device, its font there, a device that only measures
// the text and one that paints it.

#include "game/print/PageCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <string_view>

class QPagedPaintDevice;
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

// The page's font as a printer or a PDF writer renders it, sized and measured in page
// pixels (600 to the inch): a point is as many page pixels on every device.
class DeviceFont {
public:
    explicit DeviceFont(const QPaintDevice& device);

    void SetPointSize(double points);
    const QFont& Font() const { return font_; }

    double Width(std::string_view text) const;
    double AverageCharWidth() const { return metrics_.averageCharWidth(); }
    double LineHeight() const { return metrics_.lineSpacing(); }
    // From a line's top edge down to its baseline.
    double Ascent() const { return metrics_.ascent(); }

private:
    const QPaintDevice& device_;
    // The device sizes points for its own resolution; this brings them to the page's.
    double pointScale_;
    QFont font_;
    QFontMetricsF metrics_;
};

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
