#pragma once

namespace lexabit {

class GameState;

// Distance from one card of the word to the next, down the fanned column.
inline constexpr int WordCardStep = 30;

// Lays every card of the word at (left, top + (q - 1) * 30), q being its position.
void LayWordAt(GameState& state, float left, float top);

// Lays the word out below its first card, which stays where it lies.
void LayWordBelowFirst(GameState& state);

} // namespace lexabit
