#include "game/CardGlide.h"

#include "game/CardPicture.h"
#include "game/NumberText.h"
#include "game/TheDll.h"

namespace lexabit {

void GlideCardOnBoard(TheDll& sprites, DrawingSurface& board, GameState& state, int index,
                      double left, double top, int steps) {
    CardPicture card(state, index);
    sprites.MoveToLocation(card, board, static_cast<int>(RoundHalfEven(left)),
                           static_cast<int>(RoundHalfEven(top)), steps);
}

} // namespace lexabit
