#pragma once

// Cards in motion: a card as a movable picture, its glide, and a glide that sets the
// card exactly in place at the end.

#include "game/motion/GlideEngine.h"

namespace lexabit {

class DrawingSurface;
class Effects;
class GameState;
class GlideEngine;

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

// How an Effects port glides a card on a real board: the motion engine moves card
// `index` to (left, top), rounded to whole pixels, repainting `board` at every step. The
// card ends exactly on that whole-pixel place.
void GlideCardOnBoard(GlideEngine& sprites, DrawingSurface& board, GameState& state, int index,
                      double left, double top, int steps);

// Steps of every single-card glide, and of each half of a shuffle's exchange.
inline constexpr int CardGlideSteps = 30;
inline constexpr int ShuffleGlideSteps = 200;

// Glides card `index` to (left, top) and then sets it exactly there, so no remainder of
// the glide's steps is left behind.
void GlideAndPlace(GameState& state, Effects& effects, int index, float left, float top,
                   int steps = CardGlideSteps);

} // namespace lexabit
