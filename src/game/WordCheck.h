#pragma once

#include <functional>
#include <string>

namespace lexabit {

class Clock;
class Dictionary;
class Effects;
class GameState;
class WordCheckView;
struct WordPoints;

// Lays a card from the pack on every empty column.
using ColumnFiller = std::function<void(GameState&, Effects&)>;

// Judges the word the player has laid. A word the word list holds is scored and put at
// the top of the word list, its cards gather on the first card's place and glide to the
// discard pile (on the Hard level the last one stays on the table), the empty columns
// are refilled and the status bar brought up to date; when no letter card is left the
// game ends. A word the list does not hold, or a list that cannot be read, is refused
// with a message and changes nothing.
//
// Every step stands on its own: one that fails (a card or row that does not exist, a
// score that would overflow) is left out and the next one runs.
class WordCheck {
public:
    WordCheck(GameState& state, const Dictionary& dictionary, WordCheckView& view, Effects& effects,
              const Clock& clock, ColumnFiller fillEmptyColumns);

    void CheckWordButton_Click();

private:
    bool Accepts(const std::string& word);
    void ScoreWord(const std::string& word, const WordPoints& points);
    void GatherWord();
    void SendWordAway();
    void RefillTable();
    void WriteStatusPanels();
    void RestartWordTimerMinutes();

    GameState& state_;
    const Dictionary& dictionary_;
    WordCheckView& view_;
    Effects& effects_;
    const Clock& clock_;
    ColumnFiller fillEmptyColumns_;
};

} // namespace lexabit
