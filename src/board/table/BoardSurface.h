#pragma once

#include "game/motion/GlideEngine.h"

#include <QElapsedTimer>
#include <chrono>
#include <functional>

namespace lexabit {

class BoardView;

// The board as the motion engine's drawing surface. A glide's steps fall due at fixed
// times from its start. A step that falls due when the display can show a new frame is
// painted at once (synchronously) and then held until its time; the steps between two
// frames move the card in the game but are not painted, so a move looks smooth at the
// display's rate whatever its step count. The last step is always shown.
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
    // Whether this step should be painted: the last one, or one a new frame is due for.
    bool FrameDue(std::chrono::microseconds due, std::chrono::microseconds elapsed) const;
    std::chrono::microseconds FrameInterval() const;

    QElapsedTimer clock_;
    std::chrono::microseconds stepPause_{0};
    std::chrono::microseconds nextFrame_{0};
    int steps_ = 0;
    int stepsTaken_ = 0;
};

} // namespace lexabit
