#pragma once

#include "game/model/Alphabet.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
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

// Words in capitals, such as the common words that the cards at hand can lay.
using WordSet = std::unordered_set<std::string>;

// The best words of the word list, at most limit of them, that the letters at hand can
// lay, each letter used at most as often as it is at hand; a word needs at least two
// cards. Words of preferred rank above all others. Entries are taken in any letter case
// and read as the word check reads them; an entry with anything but letters cannot be
// laid. One pass over the list; nothing of it is kept.
WordSearch FindBestWords(const Dictionary& dictionary, const LetterTally& atHand, std::size_t limit,
                         const WordSet& preferred = {});

// The words of the list of common words that the letters at hand can lay, in capitals;
// none when that list is missing or cannot be read.
WordSet LayableCommonWords(const Dictionary& dictionary, const LetterTally& atHand);

// The words a hint picks from, best first: the common words the word list holds, then
// the others. Two passes: the common words, then the word list.
WordSearch BestWordsToHint(const Dictionary& dictionary, const LetterTally& atHand,
                           std::size_t limit);

} // namespace lexabit
