#pragma once

namespace lexabit {

class Effects;
class GameState;

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
