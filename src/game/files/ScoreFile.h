#pragma once

// The high-score file: one entry, its text, the table's order, reading and writing.

#include "game/files/AtomicFileWrite.h"
#include "game/model/Level.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexabit {

// One result in the high-score table: six texts, in the order of the table's
// columns and of the lines of an entry in the high-score file.
struct ScoreEntry {
    std::string Name;
    std::string Points;     // the score padded on the left with blanks to 3 characters
    std::string Time;       // the playing time as shown in the status bar
    std::string Words;      // how many words were found
    std::string Difficulty; // "Hard", "Easy", "Very Easy" or empty
    std::string Rating;     // "Master" ... "Fair"

    friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};

// The high-score table, best result first.
using ScoreTable = std::vector<ScoreEntry>;

// The most entries the high-score file holds.
inline constexpr std::size_t MaxScoreEntries = 25;

// The captions of the table's six columns, in order.
inline constexpr std::array<const char*, 6> ScoreColumnCaptions = {"Name",  "Points",     "Time",
                                                                   "Words", "Difficulty", "Rating"};

// What the game knows about itself when a result is recorded.
struct FinishedGame {
    std::string PlayerName;
    std::string PlayingTime;
    int WordCount = 0;
    Level GameLevel = Level::Easy;
    std::string Rating;
};

// The smallest width of the Points text.
inline constexpr std::size_t PointsWidth = 3;

// A score as the table keeps it: decimal, no sign blank, blanks in front up to
// three characters ("  7", " -5", "1234").
std::string PointsText(int score);

// Puts back the blanks in front of a Points text read from the file.
std::string PadPoints(std::string points);

// The score a Points text stands for, or nothing when it is not a whole number.
std::optional<long long> PointsValue(std::string_view points);

// The table's name of a difficulty level: "Hard", "Easy" or "Very Easy".
std::string DifficultyText(Level level);

// The table entry for a game just finished; the name and the other texts are made
// single lines without control characters before they are stored.
ScoreEntry MakeScoreEntry(int score, const FinishedGame& game);

// The table's order: higher points first, compared as numbers (for scores from 0
// to 999 that is also the order of the padded texts); an entry whose Points is not
// a number goes below every scored entry. Equal entries keep their order.
bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b);

// Puts the table in that order, keeping the order of equal entries.
void SortScoreTable(ScoreTable& table);

// Adds an entry to an ordered table below every entry with the same points, so that
// an older result keeps its place ahead of a newer equal one.
void InsertScoreEntry(ScoreTable& table, ScoreEntry entry);

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
