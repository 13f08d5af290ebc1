#pragma once

#include "game/LetterCounts.h"
#include "game/Ports.h"

namespace lexabit {

class GameState;

// The word timer's whole minutes for a level: 0 for Hard (1), 2 for Easy (2),
// -1 (no timer) for Very Easy (3); any other level keeps the previous value.
int WordTimerMinutesFor(int level, int previous);

// Resets the variables of a game for a new deal: the clocks start now, nothing is
// dragged, there is no move to undo, the word timer follows the level, CardsTotal is the
// number of cards the counts deal, a card style of 0 becomes 8, and the score and playing
// time start from zero.
void ResetGameVariables(GameState& state, const LetterCountValues& counts, GameTime now);

} // namespace lexabit
