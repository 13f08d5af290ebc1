#pragma once

#include "game/model/Alphabet.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lexabit {

class Dictionary;

// How many cards of each letter, A to Z, are at hand.
using LetterTally = std::array<int, LetterCount>;

struct FoundWord {
    std::string Word; // in capitals
    int Points = 0;   // what the word check would give for it

    friend bool operator==(const FoundWord&, const FoundWord&) = default;
};

struct WordSearch {
    std::vector<FoundWord> Words; // best first: most points, then in alphabetical order
    std::string Problem;          // the game's own message when the word list cannot be read
};

// What an accepted word of these capitals earns: its letter values and laying bonus, as
// the points label shows them, plus its length bonus.
int PointsOfCheckedWord(std::string_view word);

// The best words of the word list, at most limit of them, that begin with start (capitals
// already laid) and go on with letters at hand, each letter used at most as often as it
// is at hand; a word needs at least two cards. Entries are taken in any letter case and
// read as the word check reads them; an entry with anything but letters cannot be laid.
// One pass over the list; nothing of it is kept.
WordSearch FindBestWords(const Dictionary& dictionary, std::string_view start,
                         const LetterTally& atHand, std::size_t limit);

} // namespace lexabit
