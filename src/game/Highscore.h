#pragma once

#include "game/FileOutcome.h"
#include "game/ScoreEntry.h"

#include <cstdint>
#include <filesystem>

namespace lexabit {

// The high-score table and its file. The window decides where the file lives (beside
// the program, or in the player's data folder when the program's folder cannot be
// written) and shows Table() in its list, in the given order.
class Highscore {
public:
    explicit Highscore(std::filesystem::path file);

    // Loads the table from the file. A missing file is an empty table.
    FileOutcome GetScores();

    // Records the result of a finished game: the table is read afresh from the file
    // (so that a result saved meanwhile is not lost), the new entry takes its place
    // below older entries with the same points, and the file is rewritten with the
    // first 25 entries. A file that exists but cannot be read is not overwritten.
    // A failed outcome must be shown to the player.
    FileOutcome AddScore(std::int16_t score, const FinishedGame& game);

    const ScoreTable& Table() const { return table_; }
    const std::filesystem::path& FilePath() const { return file_; }

private:
    std::filesystem::path file_;
    ScoreTable table_;
};

} // namespace lexabit
