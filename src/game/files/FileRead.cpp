#include "game/files/FileRead.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexabit {

namespace {

std::string ErrorText(int error) {
    return std::strerror(error);
}

// As many links in a row as the system itself follows before it gives up.
constexpr int MostLinksFollowed = 40;

} // namespace

bool IsLinkOfAnotherUser(const std::filesystem::path& file) {
    std::filesystem::path at = file;
    for (int link = 0; link < MostLinksFollowed; ++link) {
        struct stat status {};
        if (::lstat(at.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return false;
        }
        if (status.st_uid != 0 && status.st_uid != ::geteuid()) {
            return true;
        }
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(at, error);
        if (error) {
            return false; // gone meanwhile: opening it will tell
        }
        at = at.parent_path() / target; // an absolute target replaces the folder
    }
    return false;
}

ReadableFile::ReadableFile(const std::filesystem::path& file) {
    if (IsLinkOfAnotherUser(file)) {
        problem_ = LinkOfAnotherUser;
        return;
    }
    // Without O_NONBLOCK, opening a named pipe waits for a writer that never comes.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        missing_ = errno == ENOENT || errno == ENOTDIR;
        problem_ = ErrorText(errno);
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        problem_ = ErrorText(errno);
    } else if (S_ISDIR(status.st_mode)) {
        problem_ = "it is a folder";
    } else if (!S_ISREG(status.st_mode)) {
        problem_ = "it is not an ordinary file";
    }
    if (!problem_.empty()) {
        ::close(fd);
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    size_ = static_cast<std::uintmax_t>(status.st_size);
}

ReadableFile::~ReadableFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

long ReadableFile::Read(char* into, std::size_t count) {
    while (true) {
        const ssize_t read = ::read(fd_, into, count);
        if (read >= 0 || errno != EINTR) {
            return static_cast<long>(read);
        }
    }
}

FileBytes ReadFileStart(const std::filesystem::path& file, std::size_t maxBytes) {
    ReadableFile in(file);
    FileBytes contents;
    if (!in.IsOpen()) {
        contents.Result =
            in.IsMissing() ? FileBytes::Status::Missing : FileBytes::Status::Unreadable;
        contents.Problem = in.Problem();
        return contents;
    }
    // One byte more than wanted tells whether the file goes on.
    contents.Bytes.resize(maxBytes + 1);
    std::size_t filled = 0;
    while (filled < contents.Bytes.size()) {
        const long read = in.Read(contents.Bytes.data() + filled, contents.Bytes.size() - filled);
        if (read < 0) {
            contents.Result = FileBytes::Status::Unreadable;
            contents.Problem = ErrorText(errno);
            contents.Bytes.clear();
            return contents;
        }
        if (read == 0) {
            break;
        }
        filled += static_cast<std::size_t>(read);
    }
    contents.CutShort = filled > maxBytes;
    contents.Bytes.resize(std::min(filled, maxBytes));
    contents.Result = FileBytes::Status::Read;
    return contents;
}

TextLineReader::TextLineReader(std::istream& stream, std::size_t maxLineBytes)
    : buffer_(stream.rdbuf()), maxLineBytes_(maxLineBytes) {}

std::optional<std::string> TextLineReader::NextLine() {
    using Traits = std::char_traits<char>;
    if (buffer_ == nullptr || Traits::eq_int_type(buffer_->sgetc(), Traits::eof())) {
        return std::nullopt;
    }
    std::string line;
    for (auto c = buffer_->sbumpc(); !Traits::eq_int_type(c, Traits::eof());
         c = buffer_->sbumpc()) {
        if (c == '\n') {
            break;
        }
        if (c == '\r') {
            if (buffer_->sgetc() == '\n') {
                buffer_->sbumpc();
            }
            break;
        }
        if (line.size() < maxLineBytes_) {
            line += Traits::to_char_type(c);
        }
    }
    return line;
}

} // namespace lexabit
