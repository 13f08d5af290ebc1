#include "board/BoardSurface.h"

#include "board/BoardView.h"

#include <QColor>
#include <algorithm>

namespace lexabit {

std::chrono::microseconds BoardSurface::GlideDuration(int steps) {
    // A 30-step move takes a fifth of a second. The shuffle makes two 200-step moves
    // for every table card; at three tenths of a second each, a shuffle of seven
    // cards still reads as one brisk gesture.
    using std::chrono::microseconds;
    constexpr double shortSteps = 30;
    constexpr double longSteps = 200;
    constexpr double shortMicros = 200'000;
    constexpr double longMicros = 300'000;
    const double s = std::max(1, steps);
    const double micros = s <= shortSteps
                              ? shortMicros * s / shortSteps
                              : shortMicros + (s - shortSteps) * (longMicros - shortMicros) /
                                                  (longSteps - shortSteps);
    return microseconds(static_cast<long long>(std::min(micros, longMicros)));
}

void BoardSurface::BeginGlide(int steps) {
    stepPause_ = steps > 0 ? GlideDuration(steps) / steps : std::chrono::microseconds{0};
    stepsShown_ = 0;
    clock_.start();
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
    board_.repaint();
    ++stepsShown_;
    if (stepPause_.count() == 0 || !clock_.isValid()) {
        return;
    }
    // Steps fall due at fixed times from the start, so the cost of painting is absorbed.
    const auto due = stepPause_ * stepsShown_;
    const auto elapsed = std::chrono::microseconds(clock_.nsecsElapsed() / 1000);
    if (due > elapsed) {
        wait_(due - elapsed);
    }
}

} // namespace lexabit
