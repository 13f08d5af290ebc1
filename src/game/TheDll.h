#pragma once

#include "game/DrawingSurface.h"
#include "game/MotionRecords.h"
#include "game/MovablePicture.h"

#include <vector>

namespace lexabit {

// Moves pictures across the board in equal straight steps, repainting after every step,
// so that a card is seen to glide instead of jumping. Keeps a list of pictures with their
// home positions to gather them on one target or put them back. The engine never owns the
// pictures: whoever adds one keeps it alive while it is listed.
class TheDll {
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
