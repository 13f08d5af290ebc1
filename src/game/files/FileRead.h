#pragma once

// Reading the game's files safely: regular files only, within a size, line by line.

#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace lexabit {

// Upper bounds on what the game reads from its files. No real file comes near them;
// they stop a damaged or swapped file from eating the memory or the time of the game.
inline constexpr std::size_t MaxWordListBytes = std::size_t{64} << 20;
inline constexpr std::size_t MaxWordListLineBytes = std::size_t{64} << 10;
inline constexpr std::size_t MaxRecordFileBytes = std::size_t{1} << 20;

// Why the game neither reads nor writes through a link that someone other than the player
// or root made: in a folder others may write, such a link would have the game read, or
// replace, a file of the player's it never meant to touch.
inline constexpr std::string_view LinkOfAnotherUser = "it is a link another user made";

// Whether the path, or a link it leads through on the way to its file, is a link owned by
// someone other than the player or root.
bool IsLinkOfAnotherUser(const std::filesystem::path& file);

// A file opened for reading, closed again when this goes.
class ReadableFile {
public:
    // Opens the file only when it is an ordinary file (a link to one is fine, unless
    // another user made it): a named pipe would block the game and a device such as
    // /dev/zero never ends.
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

// Reads a text stream line by line. A line ends at carriage return and line feed,
// at a lone line feed or at a lone carriage return; a last line without an end
// still counts when it holds anything. Only the first maxLineBytes bytes of a line
// are kept and the rest is skipped, so that a damaged file with an endless line
// cannot exhaust memory.
class TextLineReader {
public:
    static constexpr std::size_t DefaultMaxLineBytes = 4096;

    explicit TextLineReader(std::istream& stream, std::size_t maxLineBytes = DefaultMaxLineBytes);

    // The next line without its end, or nothing at the end of the stream.
    std::optional<std::string> NextLine();

private:
    std::streambuf* buffer_;
    std::size_t maxLineBytes_;
};

} // namespace lexabit
