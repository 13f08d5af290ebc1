#pragma once

#include "game/DrawingSurface.h"

#include <QElapsedTimer>
#include <chrono>
#include <functional>

namespace lexabit {

class BoardView;

// The board as the motion engine's drawing surface. Every repaint is shown at once and
// then held for the step's share of the glide, so each step is seen as a frame.
class BoardSurface final : public DrawingSurface {
public:
    using Wait = std::function<void(std::chrono::microseconds)>;

    BoardSurface(BoardView& board, Wait wait) : board_(board), wait_(std::move(wait)) {}

    // Paces the repaints of a glide of this many steps (zero: no pause at all).
    void BeginGlide(int steps);

    void ClearDrawings() override;
    void SetPenWidth(int width) override;
    void DrawRectangle(double left, double top, double right, double bottom,
                       RgbColour colour) override;
    void RepaintNow() override;

    // How long a whole glide of this many steps lasts on screen.
    static std::chrono::microseconds GlideDuration(int steps);

private:
    BoardView& board_;
    Wait wait_;
    QElapsedTimer clock_;
    std::chrono::microseconds stepPause_{0};
    int stepsShown_ = 0;
};

} // namespace lexabit
