#include "game/WordLayout.h"

#include "game/GameState.h"

namespace lexabit {

void LayWordAt(GameState& state, float left, float top) {
    const CardList& word = state.WordCards;
    for (int q = 1; q <= word.Count(); ++q) {
        CardRecord& card = state.Card(word.Item(q));
        card.Left = left;
        card.Top = top + static_cast<float>((q - 1) * WordCardStep);
    }
}

void LayWordBelowFirst(GameState& state) {
    if (state.WordCards.empty()) {
        return;
    }
    const CardRecord& first = state.Card(state.WordCards.First());
    LayWordAt(state, first.Left, first.Top);
}

} // namespace lexabit
