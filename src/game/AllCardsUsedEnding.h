#pragma once

namespace lexabit {

class GameState;
class WordCheckView;

// Ends a game whose every letter card was used, right after the word check has written
// the status bar: the Easy level's bonus of 10 (not shown in the status bar), the
// window told that the game has ended, the game-over message, the game-over show with
// the board's controls hidden, then the name dialog. Returns once a name has been
// confirmed there (the dialog records the score and starts the next game meanwhile), or
// when the dialog was closed without one, or the program is closing.
void EndGameAllCardsUsed(GameState& state, WordCheckView& view);

} // namespace lexabit
