#pragma once

// Where a dropped card goes: the card it is judged against, the placement rules for
// table cards and word cards, the glide back of a refused drop, and the preview of the
// receiving card while a card is dragged.

#include "game/scoring/WordScore.h"

#include <optional>

namespace lexabit {

class Effects;
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

// Glides card `index` back to where the drag picked it up and sets it exactly there.
void ReturnToStart(GameState& state, Effects& effects, int index);

// A drop with no card to judge it against: the card, or the part of the word that was
// dragged, glides back to where it was picked up. Cards of a whole word glide one after
// the other with the sound "DrawStack" after each, and stay where their glides end.
void ReturnWithoutTarget(GameState& state, Effects& effects, int index);

// Places a table card dropped near card `target`: onto the word it joins the word's end,
// onto a column marker it lies in that column, onto another table card it starts a word
// when there is none. Refused drops glide back to where the card was picked up.
void DropTableCard(GameState& state, Effects& effects, int index, int target);

// Whether a table card let go near card `target` goes back to where it was picked up.
bool TableDropRefused(const GameState& state, int target);

// Places a word card dropped near card `target` (a table card or a column marker): the
// word, or its lower part, moves into a column or onto a table card that becomes its first
// letter; its last card may also leave the word. Refused drops glide back.
void DropWordCard(GameState& state, Effects& effects, int index, int target);

// Whether word card `index` let go near card `target` goes back: the last card of a word
// of three or more cannot start a word on a table card.
bool WordDropRefused(const GameState& state, int index, int target);

// The card that would receive dragged card `draggedIndex` if it were let go now: the card
// the drop is judged against, when the drop would place the card rather than send it back.
// None while nothing is dragged.
std::optional<int> ReceivingCard(const GameState& state, int draggedIndex);

// The button went up after a press on card `index`. Ends the drag, judges the drop
// against the nearest card (playing "DrawCard" when one is near), places the card or
// glides it back, dissolves a word left with one card, and returns the labels' texts.
void Card_MouseUp(GameState& state, Effects& effects, int index);

} // namespace lexabit
