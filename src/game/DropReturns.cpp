#include "game/DropReturns.h"

#include "game/GameState.h"
#include "game/GlideAndPlace.h"
#include "game/NumberText.h"
#include "game/Ports.h"
#include "game/WordLayout.h"

namespace lexabit {

namespace {

void GlideWordBack(GameState& state, Effects& effects) {
    const CardList& word = state.WordCards;
    for (int q = 1; q <= word.Count(); ++q) {
        effects.GlideCard(word.Item(q), state.StartLeft, state.StartTop + (q - 1) * WordCardStep,
                          CardGlideSteps);
        effects.PlaySound("DrawStack");
    }
}

} // namespace

void ReturnToStart(GameState& state, Effects& effects, int index) {
    GlideAndPlace(state, effects, index, static_cast<float>(state.StartLeft),
                  static_cast<float>(state.StartTop));
}

void ReturnWithoutTarget(GameState& state, Effects& effects, int index) {
    if (state.Card(index).Tag != CardTag::Word) {
        ReturnToStart(state, effects, index);
        return;
    }
    const CardList& word = state.WordCards;
    const int position = word.PositionOf(index);
    if (position == word.Count()) {
        ReturnToStart(state, effects, index);
    } else if (position == 1) {
        GlideWordBack(state, effects);
    } else if (position == 2) {
        // The lower part goes back under the first card, wherever that stands now.
        const CardRecord& first = state.Card(word.First());
        state.StartLeft = static_cast<int>(RoundHalfEven(first.Left));
        state.StartTop = static_cast<int>(RoundHalfEven(first.Top));
        GlideWordBack(state, effects);
    }
}

} // namespace lexabit
