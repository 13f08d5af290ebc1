#pragma once

// The high-score table as the game uses it, with the lock that keeps two games from
// writing it at once.

#include "game/files/AtomicFileWrite.h"
#include "game/files/ScoreFile.h"

#include <chrono>
#include <cstdint>
#include <filesystem>

namespace lexabit {

// Holds a lock on a file's companion lock file (".name.lock" beside it) for as long
// as it lives, so that two games do not read, merge and replace the same file at once,
// and removes the lock file when done. The lock is the kernel's and ends with the
// process that holds it: the lock file of a game killed while saving blocks no one.
class FileLock {
public:
    // Waits up to patience for the lock. A game that hangs while holding it must not
    // hang this one too, and a folder where no lock file can be made (read-only, or
    // missing) has nothing to guard: in both cases the work goes on unlocked.
    FileLock(const std::filesystem::path& file, std::chrono::milliseconds patience);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool Held() const { return held_; }

    static std::filesystem::path LockFileFor(const std::filesystem::path& file);

private:
    std::filesystem::path lockFile_;
    int fd_ = -1;
    bool held_ = false;
};

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
