#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <string_view>

class QPaintDevice;

namespace lexabit {

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

} // namespace lexabit
