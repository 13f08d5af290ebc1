#include "game/files/Highscore.h"

#include "game/files/AtomicFileWrite.h"
#include "game/files/ScoreFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace lexabit {

namespace {

constexpr std::chrono::milliseconds RetryPause{5};

// Whether the open file is still the one the path names.
bool StillNamedBy(int fd, const std::filesystem::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

std::filesystem::path FileLock::LockFileFor(const std::filesystem::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".lock");
}

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds patience)
    : lockFile_(LockFileFor(file)) {
    std::error_code ignored; // a folder that cannot be made is reported by the write
    std::filesystem::create_directories(file.parent_path(), ignored);
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (true) {
        fd_ = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd_ < 0) {
            return;
        }
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            if (StillNamedBy(fd_, lockFile_)) {
                held_ = true;
                return;
            }
            // The game that held it removed it on leaving: lock the one that replaced it.
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            return;
        } else if (std::chrono::steady_clock::now() >= giveUp) {
            return;
        } else {
            std::this_thread::sleep_for(RetryPause);
        }
        ::close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock() {
    if (held_) {
        // Removed while still held, so that no file of the game's is left behind; a game
        // that opened it meanwhile sees it is gone and opens the next one.
        ::unlink(lockFile_.c_str());
    }
    if (fd_ >= 0) {
        ::close(fd_); // closing the file ends the lock
    }
}

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
