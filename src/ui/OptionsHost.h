#pragma once

#include "game/model/Alphabet.h"
#include "game/model/Level.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace lexabit {

// What the secondary windows ask of the main window. The main window owns the game and
// changes it; a window only asks.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    // Reads the settings file again: the windows take its colour at once, while its level
    // and card back wait for the next game (a running game keeps its own).
    virtual void LoadSettings() = 0;
    virtual void NewGame_Click() = 0;
    virtual void SetPanelText(int panel, const QString& text) = 0;

    // The level the next game starts with: the stored one after a settings re-read,
    // else the running game's.
    virtual Level NextGameLevel() const = 0;
    // The player's choice in an options window, which wins over what a re-read set aside.
    virtual void ChooseLevel(Level level) = 0;
    virtual void ChooseCardStyle(std::int16_t style) = 0;
    // The card back the pack shows, as a style number; none when it shows no picture.
    virtual std::optional<int> PackBack() const = 0;
    // Shows this back on the pack and the discard pile (none: no picture).
    virtual void ShowBackOnPiles(std::optional<int> style) = 0;
    // How many cards of each letter the next deal uses, as the letters window shows them.
    virtual const LetterCountTexts& NextDealLetters() const = 0;
    // The letters window's counts as the player edits them; closing it restores the usual.
    virtual void SetNextDealLetters(const LetterCountTexts& counts) = 0;
    // The name confirmed at the end of a game, which the ending waits for.
    virtual void EnterPlayerName(const QString& name) = 0;
    // Whether a new game may start now: not while a finished game waits for its name, the
    // game is paused or a card is held.
    virtual bool AcceptsGameCommands() const = 0;
    // Asks the player, when the game in play has words to lose, whether to abandon it; true
    // when the game may go.
    virtual bool MayAbandonGame() = 0;
    // A name was confirmed at the end of a game and its result recorded: the next game
    // follows, at once or once the player has seen the words missed.
    virtual void NextGameAfterName() = 0;

protected:
    OptionsHost() = default;
    OptionsHost(const OptionsHost&) = default;
    OptionsHost& operator=(const OptionsHost&) = default;
};

} // namespace lexabit
