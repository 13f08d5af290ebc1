#include "game/Highscore.h"

#include "game/AtomicFileWrite.h"
#include "game/FileLock.h"
#include "game/ScoreEntryText.h"
#include "game/ScoreFile.h"
#include "game/ScoreTableOrder.h"

#include <utility>

namespace lexabit {

namespace {

// Far longer than any save takes; a game that holds the lock longer has hung.
constexpr std::chrono::milliseconds LockPatience{5000};

} // namespace

Highscore::Highscore(std::filesystem::path file) : file_(std::move(file)) {}

FileOutcome Highscore::GetScores() {
    auto contents = ReadScoreFile(file_);
    table_ = std::move(contents.Table);
    return contents.Outcome;
}

FileOutcome Highscore::AddScore(std::int16_t score, const FinishedGame& game) {
    ScoreEntry entry = MakeScoreEntry(score, game);
    // Another game may record a result at the same moment: each reads the table only
    // once the other has written its own.
    const FileLock lock(FileBehindLinks(file_), LockPatience);
    if (const FileOutcome read = GetScores(); !read.Ok) {
        InsertScoreEntry(table_, std::move(entry));
        return FileOutcome::Failure("The high score was not saved, so as not to lose the scores "
                                    "already there. " +
                                    read.Problem);
    }
    InsertScoreEntry(table_, std::move(entry));
    FileOutcome written = WriteScoreFile(file_, table_);
    if (table_.size() > MaxScoreEntries) {
        table_.resize(MaxScoreEntries);
    }
    if (!written.Ok) {
        return FileOutcome::Failure("The high score could not be saved. " + written.Problem);
    }
    return written;
}

} // namespace lexabit
