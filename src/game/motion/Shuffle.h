#pragma once

// The shuffle of the cards on the table.

namespace lexabit {

class Effects;
class GameState;
class RandomSource;

// Every table card in turn changes places with a table card drawn at random (possibly
// itself), both gliding 200 steps, with the sound "DrawCard" after each exchange. Only
// the table cards' positions change, and every card ends exactly on a former position.
void ShuffleSurface(GameState& state, Effects& effects, RandomSource& random);

} // namespace lexabit
