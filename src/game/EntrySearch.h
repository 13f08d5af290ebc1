#pragma once

#include <string_view>

namespace lexabit {

// Whether text, made of whole lines of the word list as they stand in the file, holds
// the word as one of its entries once the entry is put in upper case (only a-z change).
// The word is taken as given: one with a lower-case letter is never held.
bool TextHoldsEntry(std::string_view text, std::string_view word);

} // namespace lexabit
