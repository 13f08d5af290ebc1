#pragma once

#include <cstdint>
#include <string_view>

namespace lexabit {

// The drawing surface under the printed page: a printer or a file, measured in
// its device pixels with (0, 0) at the top-left corner of the printable area.
class TextDevice {
public:
    virtual ~TextDevice() = default;
    // Size in points of the device's default font.
    virtual void SetFontSize(double points) = 0;
    // Red in the low byte, then green, then blue.
    virtual void SetTextColor(std::int32_t colour) = 0;
    // Draws the text (UTF-8) in the current font with its line's top edge at y.
    virtual void DrawText(double x, double y, std::string_view text) = 0;
    // Width of the text in the current font.
    virtual double TextWidth(std::string_view text) const = 0;
    // Width of one character column: an average character of the current font.
    virtual double AverageCharWidth() const = 0;
    // Height of one line of the current font.
    virtual double LineHeight() const = 0;
    // The page is complete.
    virtual void EndDocument() = 0;
};

} // namespace lexabit
