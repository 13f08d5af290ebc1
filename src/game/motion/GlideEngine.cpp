#include "game/motion/GlideEngine.h"

#include <cmath>

namespace lexabit {

namespace {

// The signed share of one step: the whole distance divided evenly, towards the target.
double StepTowards(double from, double to, int numberOfSteps) {
    const double share = std::abs(to - from) / static_cast<double>(numberOfSteps);
    return from < to ? share : -share;
}

} // namespace

void GlideEngine::AddPicture(MovablePicture& picture) {
    pictures_.push_back(&picture);
    homePositions_.resize(pictures_.size());
    homePositions_.back() = HomePosition{picture.Left(), picture.Top()};
}

void GlideEngine::ClearCollection() {
    pictures_.clear();
}

void GlideEngine::Reset() {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i]->SetLeft(homePositions_[i].Left);
        pictures_[i]->SetTop(homePositions_[i].Top);
    }
}

void GlideEngine::RemoveBorders(DrawingSurface& gameBoard) {
    gameBoard.ClearDrawings();
}

void GlideEngine::PutBorder(const MovablePicture& picture, DrawingSurface& gameBoard,
                            RgbColour color, int width) {
    gameBoard.SetPenWidth(width);
    // The far corner reaches one unit further than the near one.
    gameBoard.DrawRectangle(picture.Left() - width, picture.Top() - width,
                            picture.Left() + picture.ScaleWidth() + width + 1,
                            picture.Top() + picture.ScaleHeight() + width + 1, color);
}

void GlideEngine::MoveTo(const MovablePicture& picture, DrawingSurface& gameBoard,
                         int numberOfSteps, RgbColour borderColor, int width) {
    RemoveBorders(gameBoard);
    if (numberOfSteps < 1) {
        return; // a move needs at least one step; fewer would divide by zero
    }
    ComputeSteps(picture, numberOfSteps);
    const double targetLeft = picture.Left();
    const double targetTop = picture.Top();
    for (int k = 1; k <= numberOfSteps; ++k) {
        gameBoard.ClearDrawings();
        for (std::size_t j = 0; j < pictures_.size(); ++j) {
            if (k == numberOfSteps) {
                pictures_[j]->SetLeft(targetLeft);
                pictures_[j]->SetTop(targetTop);
            } else {
                pictures_[j]->SetLeft(pictures_[j]->Left() + stepTable_[j].StepX);
                pictures_[j]->SetTop(pictures_[j]->Top() + stepTable_[j].StepY);
            }
        }
        PutBorder(picture, gameBoard, borderColor, width);
        gameBoard.RepaintNow();
    }
}

void GlideEngine::MoveToLocation(MovablePicture& picture, DrawingSurface& gameBoard, int newLeft,
                                 int newTop, int numberOfSteps) {
    if (numberOfSteps < 1) {
        return;
    }
    const double stepX = StepTowards(picture.Left(), newLeft, numberOfSteps);
    const double stepY = StepTowards(picture.Top(), newTop, numberOfSteps);
    for (int k = 1; k < numberOfSteps; ++k) {
        gameBoard.ClearDrawings();
        picture.SetLeft(picture.Left() + stepX);
        picture.SetTop(picture.Top() + stepY);
        gameBoard.RepaintNow();
    }
    // The equal steps add up to the distance only up to rounding, and later rules compare
    // places exactly: the last step lands on the target itself.
    gameBoard.ClearDrawings();
    picture.SetLeft(newLeft);
    picture.SetTop(newTop);
    gameBoard.RepaintNow();
}

void GlideEngine::ComputeSteps(const MovablePicture& picture, int numberOfSteps) {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        const MovablePicture& listed = *pictures_[i];
        stepTable_.resize(i + 1);
        MoveStep& step = stepTable_[i];
        step.DistanceX = std::abs(listed.Left() - picture.Left());
        step.DistanceY = std::abs(listed.Top() - picture.Top());
        step.Distance =
            std::sqrt(step.DistanceY * step.DistanceY + step.DistanceX * step.DistanceX);
        step.StepX = StepTowards(listed.Left(), picture.Left(), numberOfSteps);
        step.StepY = StepTowards(listed.Top(), picture.Top(), numberOfSteps);
    }
}

} // namespace lexabit
