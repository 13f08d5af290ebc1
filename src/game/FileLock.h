#pragma once

#include <chrono>
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

} // namespace lexabit
