#pragma once

// Where things stand on the board: the columns, the fixed elements and a laid word.

namespace lexabit {

class GameState;

// Distance from one card of the word to the next, down the fanned column.
inline constexpr int WordCardStep = 30;

// Lays every card of the word at (left, top + (q - 1) * 30), q being its position.
void LayWordAt(GameState& state, float left, float top);

// Lays the word out below its first card, which stays where it lies.
void LayWordBelowFirst(GameState& state);

struct ColumnTop {
    int Left = 0;
    int Top = 0;
};

// The layout runs only for a board larger than this, in both directions.
inline constexpr int LayoutMinWidth = 715;
inline constexpr int LayoutMinHeight = 535;

// The top of column 1..7 for the board's present size; the columns stand side by
// side, 10 pixels apart, centred; a third of the way down.
ColumnTop ColumnPosition(const GameState& state, int column);

// True when a board of this inner size is laid out; at or below the minimum nothing moves.
bool LayoutApplies(double scaleWidth, double scaleHeight);

// Places the fixed elements for the board's size (state.ScaleWidth, state.ScaleHeight)
// and moves the pack cards with the pack and the column cards with their markers.
void LayoutBoard(GameState& state);

} // namespace lexabit
