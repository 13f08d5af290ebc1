#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace lexabit {

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
