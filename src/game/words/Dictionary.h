#pragma once

// The dictionary: whether a word is in the word list, read from the program's folder.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace lexabit {

class ProgramFolder;

// The answer of the word list to one question.
enum class WordLookup {
    Found,      // some entry of the list, in upper case, is the word
    NotFound,   // the whole list was read and no entry is the word
    Unreadable, // the list could not be opened or read, so nothing can be said
};

// How much of the word list is read at a time.
inline constexpr std::size_t WordListBlockSize = std::size_t{1} << 16;

// How a read of the word list ended.
enum class WordListRead {
    Stopped,    // the reader of the lines asked to stop
    Finished,   // every line was handed over
    Unreadable, // the list could not be opened or read
};

// Hands the word list, from its first line, to readLines in blocks of whole lines as
// they stand in the file (line ends are CR, LF or CR LF; a byte-order mark at its start
// is left out) until readLines answers true or the file ends. Only a regular file of a
// bounded size is read; the file is open only during the call.
WordListRead ReadWordListLines(const std::filesystem::path& file,
                               const std::function<bool(std::string_view)>& readLines,
                               std::size_t blockSize = WordListBlockSize);

// Reads the word list file from its first entry and tells whether one of its entries,
// in upper case, is exactly the word. Each line holds entries as LineHoldsEntry reads
// them. The word itself is not changed, so a word with lower-case letters is never
// found; the empty word is never found either.
WordLookup ScanWordList(const std::filesystem::path& file, std::string_view word,
                        std::size_t blockSize = WordListBlockSize);

// The game's word list: dictionary/dictionary.txt beside the program. Every question
// reads the file afresh from its first entry; nothing of it is kept between calls.
class Dictionary {
public:
    explicit Dictionary(const ProgramFolder& folder) : folder_(folder) {}

    // Where the word list lies; the window names it when the list cannot be read.
    std::filesystem::path WordListPath() const;
    // Where the list of the word list's common words lies, in the same format: the words a
    // player is likely to know, which the hint prefers. The game plays on without it.
    std::filesystem::path CommonWordsPath() const;

    // Whether some entry of the list, in upper case, is exactly the word. The word is
    // compared as given (the cards spell in capitals).
    WordLookup CheckWord(const std::string& word) const;

private:
    const ProgramFolder& folder_;
};

} // namespace lexabit
