#pragma once

#include "game/WordDisplay.h"

namespace lexabit {

class Effects;
class GameState;

// The button went up after a press on card `index`. Ends the drag, judges the drop
// against the nearest card (playing "DrawCard" when one is near), places the card or
// glides it back, dissolves a word left with one card, and returns the labels' texts.
WordDisplay Card_MouseUp(GameState& state, Effects& effects, int index);

} // namespace lexabit
