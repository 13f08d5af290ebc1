#include "game/Dictionary.h"

#include "game/Ports.h"
#include "game/WordListScan.h"

namespace lexabit {

std::filesystem::path Dictionary::WordListPath() const {
    return folder_.Path() / "dictionary" / "dictionary.txt";
}

WordLookup Dictionary::CheckWord(const std::string& word) const {
    return ScanWordList(WordListPath(), word);
}

} // namespace lexabit
