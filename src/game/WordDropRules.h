#pragma once

namespace lexabit {

class Effects;
class GameState;

// Places a word card dropped near card `target` (a table card or a column marker): the
// word, or its lower part, moves into a column or onto a table card that becomes its first
// letter; its last card may also leave the word. Refused drops glide back.
void DropWordCard(GameState& state, Effects& effects, int index, int target);

// Whether word card `index` let go near card `target` goes back: the last card of a word
// of three or more cannot start a word on a table card.
bool WordDropRefused(const GameState& state, int index, int target);

} // namespace lexabit
