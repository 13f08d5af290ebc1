#pragma once

// Checking the laid word: the check itself, what it did, and the bonus when every card
// is used.

#include <functional>
#include <string>

namespace lexabit {

class Clock;
class Dictionary;
class Effects;
class GameState;
struct WordPoints;

// What a word check did, for the board to show once the check has returned.
struct WordCheckOutcome {
    enum class Result {
        Refused,      // nothing changed; the player is told why
        Accepted,     // the word scored and left the table, which was refilled
        AllCardsUsed, // accepted, and no letter card is left: the game is over
    };
    Result Outcome = Result::Refused;
    std::string Message; // why a word was refused, and its message's title
    std::string Title;
};

// Ends a game whose every letter card was used, once the board has shown the check's
// result: the Easy level's bonus of 10, which the status bar does not show, and a name
// asked for anew.
void AwardAllCardsUsed(GameState& state);

// Lays a card from the pack on every empty column.
using ColumnFiller = std::function<void(GameState&, Effects&)>;

// Judges the word the player has laid. A word the word list holds is scored and put at
// the top of the words found, its cards gather on the first card's place and glide to the
// discard pile (on the Hard level the last one stays on the table) and the empty columns
// are refilled; the check then tells whether any letter card is left. A word the list does
// not hold, or a list that cannot be read, is refused with a message and changes nothing.
// The board shows the state as the check changes it (every repaint), and plays the rest
// (the message, the status bar, the end of the game) after the check has returned.
//
// Every step stands on its own: one that fails (a card that does not exist, a score that
// would overflow) is left out and the next one runs.
class WordCheck {
public:
    WordCheck(GameState& state, const Dictionary& dictionary, Effects& effects, const Clock& clock,
              ColumnFiller fillEmptyColumns);

    WordCheckOutcome Check();

private:
    std::string Refusal(const std::string& word) const;
    void ScoreWord(const std::string& word, const WordPoints& points);
    void GatherWord();
    void SendWordAway();
    void RefillTable();

    GameState& state_;
    const Dictionary& dictionary_;
    Effects& effects_;
    const Clock& clock_;
    ColumnFiller fillEmptyColumns_;
};

} // namespace lexabit
