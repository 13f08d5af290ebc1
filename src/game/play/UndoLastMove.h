#pragma once

namespace lexabit {

class Effects;
class GameState;

// Takes back the last card move, as far as the undo record of the last pick-up allows:
// the card returns to its place and location code, and the word is put back as the move
// found it. Positions are set directly; nothing glides and no sound plays. The record
// stays, so undoing twice applies it again to the new state.
void UndoLastMove(GameState& state, Effects& effects);

} // namespace lexabit
