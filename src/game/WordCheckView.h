#pragma once

#include <string>

namespace lexabit {

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

} // namespace lexabit
