#pragma once

// The statistics file: its text, reading it with a damaged file set aside, and counting a
// finished game into it under the high scores' lock.

#include "game/files/AtomicFileWrite.h"
#include "game/model/GameStatistics.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lexabit {

// The file's text: a first line naming it, then one section per level ("[Hard]", "[Easy]",
// "[Very Easy]") of "Name=value" lines, every line ended by carriage return and line feed.
std::string StatisticsText(const GameStatistics& statistics);

// The statistics a text holds, or nothing when it is not such a text: a first line of
// another file, a line that is no "Name=value" of a known level, a count that is no
// whole number. Names the game does not know are passed over, for a later version's sake.
std::optional<GameStatistics> ParseStatistics(std::string_view text);

// What reading the statistics file gave: the statistics, and a sentence for the player
// when the file could not be used.
struct StatisticsRead {
    GameStatistics Statistics;
    FileOutcome Outcome;
};

// The statistics file. It is written under the lock of the high-score file, so that two
// games that end at once each count their game and keep the other's.
class StatisticsFile {
public:
    StatisticsFile(std::filesystem::path file, std::filesystem::path lockedWith)
        : file_(std::move(file)), lockedWith_(std::move(lockedWith)) {}

    const std::filesystem::path& Path() const { return file_; }

    // Reads the file. A missing file is empty statistics. A damaged file is renamed aside,
    // never overwritten, and the statistics start again; the outcome tells where it went.
    // A file that cannot be read at all is left where it is, and is not written either.
    StatisticsRead Load() const;

    // Counts one finished game: the file is read afresh under the lock, the game added and
    // the file replaced whole. Gives the statistics as they now stand.
    StatisticsRead Record(const FinishedGameSummary& game) const;

    // Starts the statistics again from nothing.
    FileOutcome Reset() const;

    // Where a damaged file is set aside: beside it, ".damaged" added, numbered when taken.
    static std::filesystem::path SetAsidePath(const std::filesystem::path& file);

private:
    std::filesystem::path file_;
    std::filesystem::path lockedWith_;
};

} // namespace lexabit
