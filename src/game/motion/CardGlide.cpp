#include "game/motion/CardGlide.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/model/Texts.h"
#include "game/motion/GlideEngine.h"

namespace lexabit {

double CardPicture::Left() const {
    return state_.Card(index_).Left;
}

double CardPicture::Top() const {
    return state_.Card(index_).Top;
}

void CardPicture::SetLeft(double left) {
    state_.Card(index_).Left = static_cast<float>(left);
}

void CardPicture::SetTop(double top) {
    state_.Card(index_).Top = static_cast<float>(top);
}

double CardPicture::ScaleWidth() const {
    return CardWidth;
}

double CardPicture::ScaleHeight() const {
    return CardHeight;
}

void GlideCardOnBoard(GlideEngine& sprites, DrawingSurface& board, GameState& state, int index,
                      double left, double top, int steps) {
    CardPicture card(state, index);
    sprites.MoveToLocation(card, board, static_cast<int>(RoundHalfEven(left)),
                           static_cast<int>(RoundHalfEven(top)), steps);
}

void GlideAndPlace(GameState& state, Effects& effects, int index, float left, float top,
                   int steps) {
    effects.GlideCard(index, left, top, steps);
    CardRecord& card = state.Card(index);
    card.Left = left;
    card.Top = top;
}

} // namespace lexabit
