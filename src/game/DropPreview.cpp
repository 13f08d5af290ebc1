#include "game/DropPreview.h"

#include "game/GameState.h"
#include "game/NearestCard.h"
#include "game/TableDropRules.h"
#include "game/WordDropRules.h"

namespace lexabit {

std::optional<int> ReceivingCard(const GameState& state, int draggedIndex) {
    if (!state.Dragging || !state.CardExists(draggedIndex)) {
        return std::nullopt;
    }
    const std::optional<int> target = FindDropTarget(state, draggedIndex);
    if (!target || state.Card(*target).Tag == CardTag::Pack) {
        return std::nullopt;
    }
    switch (state.Card(draggedIndex).Tag) {
    case CardTag::Table:
        return TableDropRefused(state, *target) ? std::nullopt : target;
    case CardTag::Word:
        return WordDropRefused(state, draggedIndex, *target) ? std::nullopt : target;
    default:
        return std::nullopt;
    }
}

} // namespace lexabit
