#pragma once

#include "game/files/KeyboardPlayChoice.h"

#include <QKeyCombination>
#include <QObject>
#include <functional>

namespace lexabit {

class BoardView;
class Effects;
class GameState;

// Keyboard play on the board: the arrows move the focus, Space picks up and drops, Escape
// puts a carried card back and Enter checks the word. The choice is remembered in a file
// of its own; while it is off, the board's keys do what they always did.
class KeyboardPlayer : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<bool()> TakesPlay; // the game in play takes a move now
        std::function<void()> CheckWord;
        std::function<void()> Moved; // after every key that changed the board
    };

    KeyboardPlayer(GameState& state, Effects& effects, BoardView& board, KeyboardPlayChoice choice,
                   Hooks hooks, QObject* parent = nullptr);

    // Reads the remembered choice and applies it; a sentence for the player when the file
    // could not be used.
    std::string LoadChoice();
    bool IsOn() const { return on_; }
    // Switches keyboard play on or off and remembers it; what went wrong when it could not.
    FileOutcome Choose(bool on);
    // Plays a key pressed on the board. False while keyboard play is off: the key is the
    // board's to use as ever. While it is on every key is taken, those of no use unplayed.
    bool PlayKey(QKeyCombination key);

signals:
    // The focus stands on another card or place of the board.
    void FocusMoved();

private:
    void Apply(bool on);
    void AfterMove();

    GameState& state_;
    Effects& effects_;
    BoardView& board_;
    KeyboardPlayChoice choice_;
    Hooks hooks_;
    bool on_ = false;
};

} // namespace lexabit
