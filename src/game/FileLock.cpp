#include "game/FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace lexabit {

namespace {

constexpr std::chrono::milliseconds RetryPause{5};

} // namespace

std::filesystem::path FileLock::LockFileFor(const std::filesystem::path& file) {
    return file.parent_path() / ("." + file.filename().string() + ".lock");
}

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds patience) {
    std::error_code ignored; // a folder that cannot be made is reported by the write
    std::filesystem::create_directories(file.parent_path(), ignored);
    fd_ = ::open(LockFileFor(file).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd_ < 0) {
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (true) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= giveUp) {
            return;
        }
        std::this_thread::sleep_for(RetryPause);
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the file ends the lock
    }
}

} // namespace lexabit
