#pragma once

#include "game/PrintItem.h"

#include <cstdint>

namespace lexabit {

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

} // namespace lexabit
