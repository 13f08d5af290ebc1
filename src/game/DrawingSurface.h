#pragma once

#include <cstdint>

namespace lexabit {

// A colour as the game keeps it: red in the low byte, then green, then blue.
using RgbColour = std::uint32_t;

// The board as the motion engine sees it: lines drawn over it, and a repaint that is
// seen at once (the board paces its repaints so every step of a glide shows).
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // Removes every line drawn on the surface; the cards themselves are not touched.
    virtual void ClearDrawings() = 0;
    virtual void SetPenWidth(int width) = 0;
    // An unfilled rectangle between two corners, drawn with the present pen width.
    virtual void DrawRectangle(double left, double top, double right, double bottom,
                               RgbColour colour) = 0;
    // Shows the present state before returning.
    virtual void RepaintNow() = 0;
};

} // namespace lexabit
