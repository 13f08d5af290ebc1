#pragma once

#include "game/LetterCounts.h"

namespace lexabit {

class GameState;
class RandomSource;

// Creates the letter cards of a new game in the pack, hidden at the pack's place,
// a consonant often followed by an extra vowel, then the seven column markers.
// Expects state.CardsTotal to hold the sum of the counts and the old cards gone.
void DealCards(GameState& state, const LetterCountValues& counts, RandomSource& random);

// Destroys the cards of the game that ends and empties the two card lists.
void UnloadCards(GameState& state);

} // namespace lexabit
