#include "game/AtomicFileWrite.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lexabit {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Owns an open file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int Get() const { return fd_; }
    // Closes now, so that an error of the close itself can be seen.
    std::error_code Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? std::error_code{} : LastError();
    }

private:
    int fd_;
};

// Removes the temporary file unless it has become the real one.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (!kept_) {
            ::unlink(path_.c_str());
        }
    }
    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

std::error_code WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastError();
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// The new file keeps the permissions of the one it replaces.
mode_t PermissionsFor(const std::filesystem::path& file) {
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        return old.st_mode & 07777;
    }
    return 0644;
}

// So that the rename itself survives a power cut; a failure here loses nothing.
void FlushFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::error_code WriteThroughTemporary(const std::filesystem::path& file,
                                      const std::filesystem::path& folder,
                                      std::string_view contents) {
    std::string pattern = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.Get() < 0) {
        return LastError();
    }
    TemporaryFile temporary(name.data());
    if (auto error = WriteAll(fd.Get(), contents)) {
        return error;
    }
    if (::fchmod(fd.Get(), PermissionsFor(file)) != 0 || ::fsync(fd.Get()) != 0) {
        return LastError();
    }
    if (auto error = fd.Close()) {
        return error;
    }
    if (::rename(temporary.Path().c_str(), file.c_str()) != 0) {
        return LastError();
    }
    temporary.Keep();
    FlushFolder(folder);
    return {};
}

} // namespace

FileWriteResult WriteFileAtomically(const std::filesystem::path& file, std::string_view contents) {
    FileWriteResult result{file, {}};
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::filesystem::create_directories(folder, result.Error);
    if (!result.Error) {
        result.Error = WriteThroughTemporary(file, folder, contents);
    }
    return result;
}

} // namespace lexabit
