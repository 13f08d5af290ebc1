#pragma once

#include "game/FileOutcome.h"
#include "game/ScoreEntry.h"

#include <filesystem>
#include <string>

namespace lexabit {

// What reading the high-score file gave.
struct ScoreFileContents {
    ScoreTable Table;
    FileOutcome Outcome;
};

// Reads the high-score file: six lines to an entry (Name, Points, Time, Words,
// Difficulty, Rating), at most the first 25 entries, each line cleaned to one line
// of text without leading blanks, Points padded to three characters, the table then
// put in order. A missing file or folder is an empty table; an entry cut short by
// the end of the file is left out. A file that exists but cannot be read gives an
// empty table and a failed outcome.
ScoreFileContents ReadScoreFile(const std::filesystem::path& file);

// The file's text for a table: its first 25 entries, six lines each, every line
// ended by carriage return and line feed, in UTF-8.
std::string ScoreFileText(const ScoreTable& table);

// Replaces the high-score file with the table's first 25 entries.
FileOutcome WriteScoreFile(const std::filesystem::path& file, const ScoreTable& table);

} // namespace lexabit
