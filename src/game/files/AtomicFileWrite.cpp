#include "game/files/AtomicFileWrite.h"

#include "game/files/FileRead.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lexabit {

namespace {

// What mkostemp fills in at the end of a temporary file's name.
constexpr std::string_view TemporarySuffix = "XXXXXX";

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
    std::string pattern =
        (folder / ("." + file.filename().string() + "." + std::string(TemporarySuffix))).string();
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

// Whether the path, once links are followed, names an ordinary file or nothing yet.
// A folder counts too: replacing it fails and is reported as it always was.
bool IsOrdinaryOrMissing(const std::filesystem::path& file) {
    std::error_code error;
    const auto type = std::filesystem::status(file, error).type();
    return type == std::filesystem::file_type::regular ||
           type == std::filesystem::file_type::not_found ||
           type == std::filesystem::file_type::directory;
}

// A file whose owner took away the right to write it is the player's choice to keep.
bool OwnerMadeItReadOnly(const std::filesystem::path& file) {
    struct stat status {};
    return ::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_mode & S_IWUSR) == 0;
}

bool IsTemporaryNameFor(const std::string& name, const std::string& fileName) {
    const std::string prefix = "." + fileName + ".";
    return name.size() == prefix.size() + TemporarySuffix.size() && name.starts_with(prefix);
}

} // namespace

std::filesystem::path FileBehindLinks(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error) || !IsOrdinaryOrMissing(file) ||
        IsLinkOfAnotherUser(file)) {
        return file;
    }
    const std::filesystem::path target = std::filesystem::weakly_canonical(file, error);
    return error ? file : target;
}

FileOutcome WriteFileAtomically(const std::filesystem::path& file, std::string_view contents) {
    if (IsLinkOfAnotherUser(file)) {
        return FileOutcome::Failure("Could not save " + file.string() + ": " +
                                        std::string(LinkOfAnotherUser) + ".",
                                    std::make_error_code(std::errc::permission_denied));
    }
    std::error_code error;
    if (!IsOrdinaryOrMissing(file)) {
        // A pipe or a device (or a link to one) is not the game's to replace.
        error = std::make_error_code(std::errc::operation_not_permitted);
    } else if (const std::filesystem::path target = FileBehindLinks(file);
               OwnerMadeItReadOnly(target)) {
        error = std::make_error_code(std::errc::permission_denied);
    } else {
        const std::filesystem::path folder =
            target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        std::filesystem::create_directories(folder, error);
        if (!error) {
            error = WriteThroughTemporary(target, folder, contents);
        }
    }
    if (!error) {
        return FileOutcome::Success();
    }
    return FileOutcome::Failure("Could not save " + file.string() + ": " + error.message() + ".",
                                error);
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& file,
                               std::filesystem::file_time_type::duration minimumAge) {
    const std::filesystem::path target = FileBehindLinks(file);
    const std::string fileName = target.filename().string();
    std::error_code error;
    const auto now = std::filesystem::file_time_type::clock::now();
    for (std::filesystem::directory_iterator it(target.parent_path(), error), end;
         !error && it != end; it.increment(error)) {
        const std::filesystem::path& path = it->path();
        if (!IsTemporaryNameFor(path.filename().string(), fileName) ||
            !it->is_regular_file(error)) {
            continue;
        }
        const auto written = std::filesystem::last_write_time(path, error);
        if (!error && now - written > minimumAge) {
            std::filesystem::remove(path, error);
        }
        error.clear();
    }
}

} // namespace lexabit
