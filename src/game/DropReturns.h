#pragma once

namespace lexabit {

class Effects;
class GameState;

// Glides card `index` back to where the drag picked it up and sets it exactly there.
void ReturnToStart(GameState& state, Effects& effects, int index);

// A drop with no card to judge it against: the card, or the part of the word that was
// dragged, glides back to where it was picked up. Cards of a whole word glide one after
// the other with the sound "DrawStack" after each, and stay where their glides end.
void ReturnWithoutTarget(GameState& state, Effects& effects, int index);

} // namespace lexabit
