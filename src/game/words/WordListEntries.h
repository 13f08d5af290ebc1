#pragma once

// Reading the word list's lines: its entries field by field, and a fast search for
// one entry in whole lines of it.

#include <cstddef>
#include <string_view>

namespace lexabit {

// Hands each entry of one line of the word list (without its line end) to takeEntry,
// in order, until takeEntry answers true; the answer says whether it did. The line is
// read field by field: a field ends at a comma; blanks and tabs around an unquoted field
// are dropped; a field that starts with a double quote runs to the closing quote (commas
// inside belong to it) and anything after the closing quote up to the next comma is
// dropped; a quote left open runs to the line's end. This is the one reading of a line:
// the word check and the word search both go by it.
template <class TakeEntry> bool AnyEntryOfLine(std::string_view line, TakeEntry&& takeEntry) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && isBlank(line[at])) {
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
            while (!field.empty() && isBlank(field.back())) {
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

// Whether one line of the word list holds the word as one of its entries, read as
// above. Entries are compared exactly, so the line must already be in the case wanted.
bool LineHoldsEntry(std::string_view line, std::string_view word);

// Whether text, made of whole lines of the word list as they stand in the file, holds
// the word as one of its entries once the entry is put in upper case (only a-z change).
// The word is taken as given: one with a lower-case letter is never held.
bool TextHoldsEntry(std::string_view text, std::string_view word);

} // namespace lexabit
