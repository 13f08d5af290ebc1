#pragma once

namespace lexabit {

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

} // namespace lexabit
