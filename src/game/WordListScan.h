#pragma once

#include "game/WordLookup.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace lexabit {

// How much of the word list is read at a time.
inline constexpr std::size_t WordListBlockSize = std::size_t{1} << 16;

// Reads the word list file from its first entry and tells whether one of its entries,
// in upper case, is exactly the word. Line ends are CR, LF or CR LF; each line holds
// entries as LineHoldsEntry reads them. The word itself is not changed, so a word with
// lower-case letters is never found; the empty word is never found either. The file
// is open only during the call.
WordLookup ScanWordList(const std::filesystem::path& file, std::string_view word,
                        std::size_t blockSize = WordListBlockSize);

} // namespace lexabit
