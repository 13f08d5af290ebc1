#include "game/FileReplace.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace lexabit {
namespace {

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

FileOutcome Failed(const std::filesystem::path& file, const std::string& reason) {
    return FileOutcome::Failure("Could not save the file " + file.string() + ": " + reason + ".");
}

// Owns an open file descriptor and closes it on every path out.
class OpenFile {
public:
    explicit OpenFile(int descriptor) : descriptor_(descriptor) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    int get() const { return descriptor_; }
    // Closes now, because a delayed write error may only show up here.
    int Close() {
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result;
    }

private:
    int descriptor_;
};

int WriteAll(int descriptor, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(descriptor, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Writes and flushes the temporary file; 0 or the error number.
int WriteTemporary(const std::filesystem::path& temporary, std::string_view contents) {
    OpenFile out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        return errno;
    }
    if (const int error = WriteAll(out.get(), contents); error != 0) {
        return error;
    }
    if (::fsync(out.get()) != 0) {
        return errno;
    }
    if (out.Close() != 0) {
        return errno;
    }
    return 0;
}

} // namespace

FileOutcome ReplaceFileContents(const std::filesystem::path& file, std::string_view contents) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::error_code folderError;
    std::filesystem::create_directories(folder, folderError);
    if (folderError) {
        return Failed(file, folderError.message());
    }
    std::filesystem::path temporary = file;
    temporary += "." + std::to_string(::getpid()) + ".tmp";

    int error = WriteTemporary(temporary, contents);
    if (error == 0 && std::rename(temporary.c_str(), file.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failed(file, Reason(error));
    }
    return FileOutcome::Success();
}

} // namespace lexabit
