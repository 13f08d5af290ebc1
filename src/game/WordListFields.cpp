#include "game/WordListFields.h"

namespace lexabit {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool AnyEntryOfLine(std::string_view line, const std::function<bool(std::string_view)>& takeEntry) {
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && IsBlank(line[at])) {
            ++at;
        }
        std::string_view field;
        if (at < line.size() && line[at] == '"') {
            const std::size_t closing = line.find('"', at + 1);
            field = line.substr(at + 1, closing == std::string_view::npos ? std::string_view::npos
                                                                          : closing - at - 1);
            at = closing == std::string_view::npos ? line.size() : closing + 1;
        } else {
            const std::size_t comma = line.find(',', at);
            field = line.substr(at, comma == std::string_view::npos ? std::string_view::npos
                                                                    : comma - at);
            at = comma == std::string_view::npos ? line.size() : comma;
            while (!field.empty() && IsBlank(field.back())) {
                field.remove_suffix(1);
            }
        }
        if (takeEntry(field)) {
            return true;
        }
        const std::size_t comma = line.find(',', at);
        if (comma == std::string_view::npos) {
            return false;
        }
        at = comma + 1;
    }
}

bool LineHoldsEntry(std::string_view line, std::string_view word) {
    return AnyEntryOfLine(line, [word](std::string_view entry) { return entry == word; });
}

} // namespace lexabit
