#include "game/CardPicture.h"

#include "game/GameState.h"

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

} // namespace lexabit
