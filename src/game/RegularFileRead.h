#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace lexabit {

// Upper bounds on what the game reads from its files. No real file comes near them;
// they stop a damaged or swapped file from eating the memory or the time of the game.
inline constexpr std::size_t MaxWordListBytes = std::size_t{64} << 20;
inline constexpr std::size_t MaxWordListLineBytes = std::size_t{64} << 10;
inline constexpr std::size_t MaxRecordFileBytes = std::size_t{1} << 20;

// A file opened for reading, closed again when this goes.
class ReadableFile {
public:
    // Opens the file only when it is an ordinary file (a link to one is fine): a named
    // pipe would block the game and a device such as /dev/zero never ends.
    explicit ReadableFile(const std::filesystem::path& file);
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;
    ~ReadableFile();

    bool IsOpen() const { return fd_ >= 0; }
    bool IsMissing() const { return missing_; }
    // Why the file could not be opened, as a short clause for the player.
    const std::string& Problem() const { return problem_; }
    std::uintmax_t Size() const { return size_; }

    // Reads up to count bytes; 0 at the end of the file, below 0 on a read error.
    long Read(char* into, std::size_t count);

private:
    int fd_ = -1;
    bool missing_ = false;
    std::uintmax_t size_ = 0;
    std::string problem_;
};

// What reading a whole small file gave.
struct FileBytes {
    enum class Status { Read, Missing, Unreadable };
    Status Result = Status::Missing;
    std::string Bytes;
    // More bytes followed the first maxBytes ones, which alone were read.
    bool CutShort = false;
    std::string Problem;
};

// Reads the first maxBytes bytes of an ordinary file.
FileBytes ReadFileStart(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace lexabit
