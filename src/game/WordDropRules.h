#pragma once

namespace lexabit {

class Effects;
class GameState;

// Places a word card dropped near card `target` (a table card or a column marker): the
// word, or its lower part, moves into a column or onto a table card that becomes its first
// letter; its last card may also leave the word. Refused drops glide back.
void DropWordCard(GameState& state, Effects& effects, int index, int target);

} // namespace lexabit
