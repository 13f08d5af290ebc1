#pragma once

namespace lexabit {

class Effects;
class GameState;

// Places a table card dropped near card `target`: onto the word it joins the word's end,
// onto a column marker it lies in that column, onto another table card it starts a word
// when there is none. Refused drops glide back to where the card was picked up.
void DropTableCard(GameState& state, Effects& effects, int index, int target);

// Whether a table card let go near card `target` goes back to where it was picked up.
bool TableDropRefused(const GameState& state, int target);

} // namespace lexabit
