#pragma once

namespace lexabit {

// The answer of the word list to one question.
enum class WordLookup {
    Found,      // some entry of the list, in upper case, is the word
    NotFound,   // the whole list was read and no entry is the word
    Unreadable, // the list could not be opened or read, so nothing can be said
};

} // namespace lexabit
