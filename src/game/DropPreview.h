#pragma once

#include <optional>

namespace lexabit {

class GameState;

// The card that would receive dragged card `draggedIndex` if it were let go now: the card
// the drop is judged against, when the drop would place the card rather than send it back.
// None while nothing is dragged.
std::optional<int> ReceivingCard(const GameState& state, int draggedIndex);

} // namespace lexabit
