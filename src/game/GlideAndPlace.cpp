#include "game/GlideAndPlace.h"

#include "game/GameState.h"
#include "game/Ports.h"

namespace lexabit {

void GlideAndPlace(GameState& state, Effects& effects, int index, float left, float top,
                   int steps) {
    effects.GlideCard(index, left, top, steps);
    CardRecord& card = state.Card(index);
    card.Left = left;
    card.Top = top;
}

} // namespace lexabit
