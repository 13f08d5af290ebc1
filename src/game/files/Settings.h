#pragma once

// The settings: their values, their text format, their file, and the missed-words choice.

#include "game/files/AtomicFileWrite.h"
#include "game/model/Level.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lexabit {

// The three choices of the player that outlast the program.
struct SettingsValues {
    // Red 128, green 128, blue 255: the board's own colour.
    static constexpr std::int32_t DefaultBackgroundColor = 16744576;
    // Chess, the style a new game falls back to.
    static constexpr std::int16_t DefaultCardStyle = 8;
    static constexpr Level DefaultLevel = Level::Easy;

    static constexpr std::int16_t LowestCardStyle = 0;
    static constexpr std::int16_t HighestCardStyle = 8;

    // Red in the low byte, then green, then blue; a negative value names a system colour.
    std::int32_t BackgroundColor = DefaultBackgroundColor;
    std::int16_t CardStyle = DefaultCardStyle;
    Level GameLevel = DefaultLevel;

    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

// The settings file's text: three lines, each a number with a blank before and
// after it (a minus sign in place of the first blank when negative), each line
// ended by carriage return and line feed.
std::string FormatSettings(const SettingsValues& values);

struct ParsedSettings {
    SettingsValues Values;
    // False when at least one value was missing, not a number or out of range and
    // took its default instead.
    bool Complete = false;
};

// Reads the three lines back. Blanks around a number are ignored, and so are
// line ends of a lone line feed. A line that is missing, is not a whole number,
// or holds a value the game cannot use leaves that value at its default.
ParsedSettings ParseSettings(std::string_view text);

// What reading the settings file found.
enum class SettingsFileState {
    Complete,   // three usable numbers
    Repaired,   // read, but some values were missing or unusable and took their defaults
    Missing,    // no file (or no folder): every value is a default
    Unreadable, // the file could not be read (a folder in its place, no permission)
};

struct SettingsReadResult {
    SettingsValues Values;
    SettingsFileState State = SettingsFileState::Missing;
    // For an unreadable file, a sentence the window shows the player.
    std::string Problem;
};

// The most the game reads of a settings file. The three lines take a few dozen bytes;
// reading stops long before a stray large file could cost anything.
inline constexpr std::size_t MaxSettingsFileBytes = 4096;

// The settings file Settings/Settings.txt. Where it lives is decided by the caller.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

    // The settings file under a base folder: base/Settings/Settings.txt.
    static std::filesystem::path PathIn(const std::filesystem::path& baseFolder);

    const std::filesystem::path& Path() const { return file_; }

    // Never fails: whatever cannot be read takes its default, and the state says why.
    SettingsReadResult Load() const;

    // Writes all three values, creating the folder when needed. The old file is
    // replaced whole or stays as it was.
    FileOutcome Save(const SettingsValues& values) const;

private:
    std::filesystem::path file_;
};

// Whether the missed words open after every game, kept in Settings/MissedWords.txt
// beside the settings file: one line, "1" to show them or "0" not to. A file that is
// missing or says anything else shows them.
class MissedWordsChoice {
public:
    explicit MissedWordsChoice(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    bool ShowAfterEveryGame() const;
    // Replaces the file whole, or leaves it as it was.
    FileOutcome Save(bool showAfterEveryGame) const;

private:
    std::filesystem::path file_;
};

} // namespace lexabit
