#pragma once

// Checking the laid word: what the check needs of the window, the bonus and the end
// when every card is used, and the check itself.

#include <functional>
#include <string>

namespace lexabit {

class Clock;
class Dictionary;
class Effects;
class GameState;
struct WordPoints;

// The fixed pictures and controls of the board that the word check hides and shows.
enum class BoardControl { PackBack, DiscardDeck, CheckWordButton, WordList, Fig, ShuffleCards };

// What the word check needs of the main window besides the cards, which it reads and
// changes in the game state, and the glides and sounds, which go through Effects.
class WordCheckView {
public:
    virtual ~WordCheckView() = default;

    // Empties both word labels. They only show the word: the check reads it from the cards.
    virtual void ClearWordLabels() = 0;

    // A message box with an OK button only; returns when the player has answered it.
    virtual void ShowMessage(const std::string& text, const std::string& title) = 0;

    // Puts a new row with the word at the top of the word list; earlier rows move down.
    virtual void InsertWordRowAtTop(const std::string& word) = 0;
    // Sets the "Points" column of the top row.
    virtual void SetTopRowPoints(const std::string& points) = 0;
    virtual int WordRowCount() const = 0;

    // Sets the text of status bar panel 1 to 5.
    virtual void SetStatusPanel(int panel, const std::string& text) = 0;

    // Gives the discard pile the card back the pack shows and makes it visible.
    virtual void ShowCardBackOnDiscardDeck() = 0;
    virtual void SetControlVisible(BoardControl control, bool visible) = 0;

    // The game has just ended: from here on no time-out may end it a second time, and its
    // result is taken as it stands now.
    virtual void GameEnded() = 0;
    // Plays the game-over show; returns when it is over.
    virtual void PlayGameOverAnimation() = 0;
    // Shows the name dialog without making it modal, and returns at once.
    virtual void ShowNameDialog() = 0;
    // Handles pending window events, waiting for one if there is none. Returns false
    // when the program is closing, so that no wait outlives the window.
    virtual bool WaitForEvents() = 0;
};

// Ends a game whose every letter card was used, right after the word check has written
// the status bar: the Easy level's bonus of 10 (not shown in the status bar), the
// window told that the game has ended, the game-over message, the game-over show with
// the board's controls hidden, then the name dialog. Returns once a name has been
// confirmed there (the dialog records the score and starts the next game meanwhile), or
// when the dialog was closed without one, or the program is closing.
void EndGameAllCardsUsed(GameState& state, WordCheckView& view);

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
