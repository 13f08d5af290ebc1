#pragma once

#include <string_view>

namespace lexabit {

// Whether one line of the word list (without its line end) holds the word as one of
// its entries. The line is read field by field: a field ends at a comma; blanks and
// tabs around an unquoted field are dropped; a field that starts with a double quote runs to
// the closing quote (commas inside belong to it) and anything after the closing
// quote up to the next comma is dropped; a quote left open runs to the line's end.
// Entries are compared exactly, so the line must already be in the case wanted.
bool LineHoldsEntry(std::string_view line, std::string_view word);

} // namespace lexabit
