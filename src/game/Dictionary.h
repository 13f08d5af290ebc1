#pragma once

#include "game/WordLookup.h"

#include <filesystem>
#include <string>

namespace lexabit {

class ProgramFolder;

// The game's word list: dictionary/dictionary.txt beside the program. Every question
// reads the file afresh from its first entry; nothing of it is kept between calls.
class Dictionary {
public:
    explicit Dictionary(const ProgramFolder& folder) : folder_(folder) {}

    // Where the word list lies; the window names it when the list cannot be read.
    std::filesystem::path WordListPath() const;

    // Whether some entry of the list, in upper case, is exactly the word. The word is
    // compared as given (the cards spell in capitals).
    WordLookup CheckWord(const std::string& word) const;

private:
    const ProgramFolder& folder_;
};

} // namespace lexabit
