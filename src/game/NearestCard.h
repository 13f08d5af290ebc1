#pragma once

#include <optional>

namespace lexabit {

class GameState;
struct CardRecord;

// A dropped card is judged against cards whose top-left corner lies closer than this.
inline constexpr int DropReach = 50;

// Pixels from the card's top-left corner to (x, y), rounded to a whole number.
int CardDistance(const CardRecord& card, double x, double y);

// The card a dropped card is judged against: the one whose corner is nearest to the
// dropped card's corner and closer than the reach; of equally near ones the lower index.
// A dragged word card looks at table cards, markers and pack cards; any other card at
// every card outside the pack except itself.
std::optional<int> FindDropTarget(const GameState& state, int draggedIndex);

} // namespace lexabit
