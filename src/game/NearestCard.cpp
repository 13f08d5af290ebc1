#include "game/NearestCard.h"

#include "game/GameState.h"
#include "game/NumberText.h"

#include <cmath>

namespace lexabit {

namespace {

bool CanBeTarget(CardTag dragged, int draggedIndex, CardTag candidate, int candidateIndex) {
    if (dragged == CardTag::Word) {
        return candidate != CardTag::Used && candidate != CardTag::Word;
    }
    return candidate != CardTag::Pack && candidateIndex != draggedIndex;
}

} // namespace

int CardDistance(const CardRecord& card, double x, double y) {
    const double dx = card.Left - x;
    const double dy = card.Top - y;
    return static_cast<int>(RoundHalfEven(std::sqrt(dy * dy + dx * dx)));
}

std::optional<int> FindDropTarget(const GameState& state, int draggedIndex) {
    const CardRecord& dragged = state.Card(draggedIndex);
    std::optional<int> target;
    int best = DropReach;
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        if (!state.CardExists(i)) {
            continue;
        }
        const CardRecord& candidate = state.Card(i);
        if (!CanBeTarget(dragged.Tag, draggedIndex, candidate.Tag, i)) {
            continue;
        }
        const int distance = CardDistance(dragged, candidate.Left, candidate.Top);
        if (distance < best) {
            best = distance;
            target = i;
        }
    }
    return target;
}

} // namespace lexabit
