#include "game/TextLineReader.h"

namespace lexabit {

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
