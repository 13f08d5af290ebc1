#pragma once

namespace lexabit {

// Anything the motion engine can move: a position it can read and write, and an inner
// size for the border it draws around it. Positions are in the container's units.
class MovablePicture {
public:
    virtual ~MovablePicture() = default;
    virtual double Left() const = 0;
    virtual double Top() const = 0;
    // Fractional values are accepted; the picture keeps them as well as it can.
    virtual void SetLeft(double left) = 0;
    virtual void SetTop(double top) = 0;
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
};

} // namespace lexabit
