#pragma once

// A game that waits for its player: the game in progress kept in a file of its own when the
// player leaves, offered again at the next start, and whether to ask before a game with
// words in it is abandoned.

#include "game/files/AtomicFileWrite.h"
#include "game/model/GameState.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lexabit {

// The first line of every kept-game file, and the version of the lines that follow. A file
// that starts otherwise belongs to something else and is never read as a game.
inline constexpr std::string_view KeptGameHeader = "Lexabit Solitaire kept game";
inline constexpr int KeptGameVersion = 1;

// The most the game reads of a kept-game file: a pack of the most cards the letters window
// allows takes about a megabyte.
inline constexpr std::size_t MaxKeptGameBytes = std::size_t{4} << 20;

// The game as the player left it: its cards with their tags, letters, places and stacking
// order, the pack and the word, the words found, the score, the level, the hint's cost and
// both clocks. The seconds of the clocks' running minutes are kept as seconds gone, so the
// clocks go on where they stood however long the game waited. The undo record is not kept.
std::string FormatKeptGame(const GameState& state, GameTime now);

// What reading a kept game gave: the game with its clocks set to go on from now, or the
// reason the text is no kept game this version can resume.
struct KeptGameRead {
    std::optional<GameState> Game;
    std::string Problem;
};

KeptGameRead ParseKeptGame(std::string_view text, GameTime now);

// Puts a kept game on the board's state. The board's own size and elements, the card back,
// the next deal's letters and the player's name stay as they are; the kept game is in play,
// with nothing to undo and no card held.
void TakeUpKeptGame(GameState& board, GameState kept);

// The kept-game file. A game is read once at the start, then forgotten (its file removed)
// once the player has answered; a file that cannot be resumed is set aside under another
// name, never removed.
class KeptGameFile {
public:
    explicit KeptGameFile(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    // Nothing when no game was kept; else the game, or the problem of a damaged file.
    std::optional<KeptGameRead> Read(GameTime now) const;
    FileOutcome Keep(const GameState& state, GameTime now) const;
    // Removes the file of a game that has been read and answered.
    void Forget() const;
    // Renames a damaged file beside itself, "KeptGame.txt" to "KeptGame.txt.damaged" (or
    // ".damaged-2" and on when that name is taken); gives the new name, or nothing when
    // the file could not be renamed and stays where it was.
    std::optional<std::filesystem::path> SetAside() const;

private:
    std::filesystem::path file_;
};

// Whether to ask "Abandon this game?" before a game with words in it is left, kept in a file
// of one line beside the settings: "1" to ask, "0" not to. Missing or anything else asks.
class AbandonQuestionChoice {
public:
    explicit AbandonQuestionChoice(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    bool AskFirst() const;
    FileOutcome Save(bool askFirst) const;

private:
    std::filesystem::path file_;
};

} // namespace lexabit
