#pragma once

// The motion engine: pictures that move, the surface they move over, and the engine
// that glides them in equal steps.

#include <cstdint>
#include <vector>

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

// Where a picture stood when it was added to the motion engine's list.
struct HomePosition {
    double Left = 0;
    double Top = 0;
};

// One picture's share of a gathering move: what each step adds to its position, and
// how far it was from the target when the steps were computed.
struct MoveStep {
    double StepX = 0;
    double StepY = 0;
    double Distance = 0; // kept for completeness; nothing reads it
    double DistanceX = 0;
    double DistanceY = 0;
};

// Moves pictures across the board in equal straight steps, repainting after every step,
// so that a card is seen to glide instead of jumping. Keeps a list of pictures with their
// home positions to gather them on one target or put them back. The engine never owns the
// pictures: whoever adds one keeps it alive while it is listed.
class GlideEngine {
public:
    // Lists the picture and remembers where it stands now as its home.
    void AddPicture(MovablePicture& picture);
    // Empties the list; home positions and steps stay until they are overwritten.
    void ClearCollection();
    // Puts every listed picture back on its home position in one jump.
    void Reset();
    void RemoveBorders(DrawingSurface& gameBoard);
    // Frames the picture with a rectangle just outside it.
    void PutBorder(const MovablePicture& picture, DrawingSurface& gameBoard, RgbColour color,
                   int width);
    // Moves every listed picture onto the target in equal steps, framing the target; the
    // last step puts each exactly on the target's place.
    void MoveTo(const MovablePicture& picture, DrawingSurface& gameBoard, int numberOfSteps,
                RgbColour borderColor, int width);
    // Moves one picture to (newLeft, newTop) in equal steps; the last step puts it exactly
    // there, so no remainder of the division is left behind.
    void MoveToLocation(MovablePicture& picture, DrawingSurface& gameBoard, int newLeft, int newTop,
                        int numberOfSteps);

    int PictureCount() const { return static_cast<int>(pictures_.size()); }
    const std::vector<HomePosition>& HomePositions() const { return homePositions_; }
    const std::vector<MoveStep>& StepTable() const { return stepTable_; }

private:
    void ComputeSteps(const MovablePicture& picture, int numberOfSteps);

    std::vector<MovablePicture*> pictures_;
    std::vector<HomePosition> homePositions_;
    std::vector<MoveStep> stepTable_;
};

} // namespace lexabit
