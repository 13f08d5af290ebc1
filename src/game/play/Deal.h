#pragma once

// The deal: the cards of a new game, and the columns filled again when they run empty.

#include "game/model/Alphabet.h"

namespace lexabit {

class Effects;
class GameState;
class RandomSource;

// Creates the letter cards of a new game in the pack, hidden at the pack's place,
// a consonant often followed by an extra vowel, then the seven column markers.
// Expects state.CardsTotal to hold the sum of the counts and the old cards gone.
void DealCards(GameState& state, const LetterCountValues& counts, RandomSource& random);

// Destroys the cards of the game that ends and empties the two card lists.
void UnloadCards(GameState& state);

// Lays one pack card face up on every empty column, gliding it from the pack with the
// sound "InitAnimation". Vowels are preferred while fewer than three lie on the table and
// consonants while fewer than four do, as long as the pack can still make up that balance.
void FillEmptyColumns(GameState& state, Effects& effects);

// True when no letter card outside the pack lies exactly on the column's marker.
bool ColumnIsEmpty(const GameState& state, int markerIndex);

// How many pack cards carry a vowel, and how many a consonant.
int PackVowels(const GameState& state);
int PackConsonants(const GameState& state);

} // namespace lexabit
