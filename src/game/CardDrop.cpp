#include "game/CardDrop.h"

#include "game/DropReturns.h"
#include "game/GameState.h"
#include "game/NearestCard.h"
#include "game/Ports.h"
#include "game/TableDropRules.h"
#include "game/WordDropRules.h"

namespace lexabit {

namespace {

void DropDraggedCard(GameState& state, Effects& effects, int index) {
    const std::optional<int> target = FindDropTarget(state, index);
    if (!target || state.Card(*target).Tag == CardTag::Pack) {
        ReturnWithoutTarget(state, effects, index);
        return;
    }
    effects.PlaySound("DrawCard");
    const CardTag dragged = state.Card(index).Tag;
    if (dragged == CardTag::Word) {
        DropWordCard(state, effects, index, *target);
    } else if (dragged == CardTag::Table) {
        DropTableCard(state, effects, index, *target);
    }
}

// A word of one card is no word: that card stays where it lies as a table card.
void DissolveOneCardWord(GameState& state) {
    if (state.WordCards.Count() == 1) {
        state.Card(state.WordCards.First()).Tag = CardTag::Table;
        state.WordCards.Clear();
    }
}

} // namespace

WordDisplay Card_MouseUp(GameState& state, Effects& effects, int index) {
    if (state.Dragging) {
        state.Dragging = false;
        DropDraggedCard(state, effects, index);
    }
    DissolveOneCardWord(state);
    effects.Repaint();
    return ShowWord(state);
}

} // namespace lexabit
