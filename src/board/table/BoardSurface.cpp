#include "board/table/BoardSurface.h"

#include "board/table/BoardView.h"

#include <QColor>
#include <QScreen>
#include <algorithm>

namespace lexabit {

std::chrono::microseconds BoardSurface::GlideDuration(int steps) {
    // A 30-step move (a card dealt, dropped, sent to the discard pile) takes 45 ms: an
    // accepted five-letter word makes fifteen of them and waits for five deal sounds,
    // and the board takes input again within a second. The shuffle makes two 200-step
    // moves for every table card; at 85 ms each, seven cards change places in 1.2 s,
    // one brisk gesture.
    using std::chrono::microseconds;
    constexpr double shortSteps = 30;
    constexpr double longSteps = 200;
    constexpr double shortMicros = 45'000;
    constexpr double longMicros = 85'000;
    const double s = std::max(1, steps);
    const double micros = s <= shortSteps
                              ? shortMicros * s / shortSteps
                              : shortMicros + (s - shortSteps) * (longMicros - shortMicros) /
                                                  (longSteps - shortSteps);
    return microseconds(static_cast<long long>(std::min(micros, longMicros)));
}

void BoardSurface::BeginGlide(int steps) {
    stepPause_ = steps > 0 ? GlideDuration(steps) / steps : std::chrono::microseconds{0};
    steps_ = steps;
    stepsTaken_ = 0;
    nextFrame_ = std::chrono::microseconds{0};
    clock_.start();
}

std::chrono::microseconds BoardSurface::FrameInterval() const {
    constexpr double fallbackRate = 60;
    const QScreen* screen = board_.screen();
    const double rate =
        screen != nullptr && screen->refreshRate() > 1 ? screen->refreshRate() : fallbackRate;
    return std::chrono::microseconds(static_cast<long long>(1e6 / rate));
}

bool BoardSurface::FrameDue(std::chrono::microseconds due,
                            std::chrono::microseconds elapsed) const {
    return stepsTaken_ >= steps_ || std::max(due, elapsed) >= nextFrame_;
}

void BoardSurface::ClearDrawings() {
    board_.ClearDrawing();
}

void BoardSurface::SetPenWidth(int width) {
    board_.SetPenWidth(width);
}

void BoardSurface::DrawRectangle(double left, double top, double right, double bottom,
                                 RgbColour colour) {
    const QColor rgb(static_cast<int>(colour & 0xffU), static_cast<int>((colour >> 8U) & 0xffU),
                     static_cast<int>((colour >> 16U) & 0xffU));
    board_.DrawRectangle(QRectF(QPointF(left, top), QPointF(right, bottom)), rgb);
}

void BoardSurface::RepaintNow() {
    if (!clock_.isValid()) {
        board_.repaint(); // a move outside a glide: shown as it is
        return;
    }
    ++stepsTaken_;
    // Steps fall due at fixed times from the start, so the cost of painting is absorbed;
    // a glide that falls behind skips frames rather than running late.
    const auto due = stepPause_ * stepsTaken_;
    const auto elapsed = std::chrono::microseconds(clock_.nsecsElapsed() / 1000);
    if (!FrameDue(due, elapsed)) {
        return;
    }
    board_.repaint();
    nextFrame_ = std::max(due, elapsed) + FrameInterval();
    if (stepsTaken_ >= steps_) {
        clock_.invalidate();
    }
    if (due > elapsed) {
        wait_(due - elapsed);
    }
}

} // namespace lexabit
