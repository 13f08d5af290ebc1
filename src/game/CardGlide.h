#pragma once

namespace lexabit {

class DrawingSurface;
class GameState;
class TheDll;

// How an Effects port glides a card on a real board: the motion engine moves card
// `index` to (left, top), rounded to whole pixels, repainting `board` at every step. The
// card ends exactly on that whole-pixel place.
void GlideCardOnBoard(TheDll& sprites, DrawingSurface& board, GameState& state, int index,
                      double left, double top, int steps);

} // namespace lexabit
