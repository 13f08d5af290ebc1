#pragma once

// The printed page: the device under it, its items, and the canvas that lays out a
// list of items over pages.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lexabit {

// A number on the printed page: a blank before it for the sign (a minus sign when
// negative) and one blank after it.
struct PrintNumber {
    long long Value = 0;
    friend bool operator==(const PrintNumber&, const PrintNumber&) = default;
};

// A text, printed as it is.
struct PrintText {
    std::string Text;
    friend bool operator==(const PrintText&, const PrintText&) = default;
};

// Moves the print position to character column n of the line (column 1 is the
// left edge); when the line is already past it, to that column of the next line.
struct ColumnStop {
    int Column = 1;
    friend bool operator==(const ColumnStop&, const ColumnStop&) = default;
};

using PrintItem = std::variant<PrintNumber, PrintText, ColumnStop>;
// One printed line's worth of items; printing it ends with a new line.
using PrintItemList = std::vector<PrintItem>;

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

// What the printed page is laid out on, in the words of a printer: a print
// position, a font size, a text colour and item lists printed at the position.
class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    // Positions from here on are device pixels of the printer.
    virtual void SetUnitToDevicePixels() = 0;
    virtual void SetX(double x) = 0;
    virtual void SetY(double y) = 0;
    // Size in points of the printer's default font.
    virtual void SetFontSize(double points) = 0;
    // Red in the low byte, then green, then blue.
    virtual void SetTextColor(std::int32_t colour) = 0;
    // Prints the items from the print position on, then starts a new line: x back to
    // the left edge, y down by one line of the current font.
    virtual void PrintItems(const PrintItemList& items) = 0;
    // The page is complete and goes to the printer.
    virtual void EndDocument() = 0;
};

// A page canvas on a text device: keeps the print position and turns item lists
// into drawn texts, with the blanks around numbers and the column stops.
class ItemListCanvas final : public PageCanvas {
public:
    explicit ItemListCanvas(TextDevice& device) : device_(device) {}

    // The device measures in its own pixels already.
    void SetUnitToDevicePixels() override {}
    void SetX(double x) override { x_ = x; }
    void SetY(double y) override { y_ = y; }
    void SetFontSize(double points) override { device_.SetFontSize(points); }
    void SetTextColor(std::int32_t colour) override { device_.SetTextColor(colour); }
    void PrintItems(const PrintItemList& items) override;
    void EndDocument() override { device_.EndDocument(); }

    double X() const { return x_; }
    double Y() const { return y_; }

private:
    void DrawAndAdvance(const std::string& text);
    void MoveToColumn(int column);
    void NewLine();

    TextDevice& device_;
    double x_ = 0;
    double y_ = 0;
};

} // namespace lexabit
