#pragma once

#include "game/MovablePicture.h"

namespace lexabit {

class GameState;

// One card of the game, seen by the motion engine as a movable picture. The card keeps
// its place as single-precision pixels, so fractional steps of a glide survive.
class CardPicture final : public MovablePicture {
public:
    CardPicture(GameState& state, int index) : state_(state), index_(index) {}

    double Left() const override;
    double Top() const override;
    void SetLeft(double left) override;
    void SetTop(double top) override;
    double ScaleWidth() const override;
    double ScaleHeight() const override;

private:
    GameState& state_;
    int index_;
};

} // namespace lexabit
