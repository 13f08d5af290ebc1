#pragma once

// Play by keyboard: a focus that the arrows move over the face-up cards and the empty
// columns, and a card picked up, carried and dropped with the keys. Every move goes
// through the mouse's own rules (CardPickup, CardDrop), so a card dropped by key lands
// exactly where the same card let go over the focused card would.

#include <optional>
#include <vector>

namespace lexabit {

class Effects;
class GameState;
struct CardRecord;

enum class FocusDirection { Left, Right, Up, Down };

// A carried card hovers this far right of and below the focused card's corner: near
// enough that the drop is judged against the focused card, far enough to show its letter.
inline constexpr int HoverOffset = 14;

// The column (1 to 7) whose marker stands nearest to the card's left edge.
int ColumnOf(const GameState& state, const CardRecord& card);

// The cards that move with the carried card: the card itself, or the part of the word
// from it down. Empty while nothing is carried.
std::vector<int> CarriedCards(const GameState& state);

// Where the focus may stand, column by column from the left and from the top down: the
// face-up cards not carried, and the marker of each column that holds none of them.
std::vector<int> FocusStops(const GameState& state);

// The stop the focus stands on: the one it was put on while that is still a stop (or the
// card carried from there), otherwise the first stop. None while keyboard play is off.
std::optional<int> FocusedStop(const GameState& state);

// Moves the focus to the nearest stop that way (up and down stay in the column); a
// carried card glides along to hover over it. Whether the focus moved.
bool MoveFocus(GameState& state, Effects& effects, FocusDirection direction);

// Picks up the focused card, or the word's lower part from it, as a press of the mouse on
// it would; the card lifts to hover over its own place. A card the mouse could not drag
// is pressed and let go, and nothing is carried.
void PickUpFocused(GameState& state, Effects& effects);

// Lets go of the carried card over the focused card: the mouse's drop decides.
void DropCarried(GameState& state, Effects& effects);

// The carried card, and the word part with it, glides back to where it was picked up.
void PutBackCarried(GameState& state, Effects& effects);

} // namespace lexabit
