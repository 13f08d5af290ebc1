#pragma once

namespace lexabit {

class Effects;
class GameState;

// A mouse button went down on card `index`; (x, y) is the pointer's position measured
// from the card's top-left corner. Fills the undo record and the grab point, and stacks
// the card, or the whole word, on top. Any button picks up alike.
void Card_MouseDown(GameState& state, Effects& effects, int index, double x, double y);

// The pointer moved while a button is held after a press on card `index`; (x, y) is
// measured from that card's top-left corner as it stands now. Moves the card, or the
// word from that card down, so the grabbed point stays under the pointer.
void Card_MouseMove(GameState& state, Effects& effects, int index, double x, double y);

} // namespace lexabit
