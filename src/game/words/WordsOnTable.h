#pragma once

#include "game/words/WordFinder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lexabit {

class Dictionary;
class GameState;

// How many missed words the end of a game shows.
inline constexpr std::size_t MissedWordsShown = 10;

// The best words that could have been laid from the cards face up on the table (table
// cards and word cards) as the game stands.
WordSearch MissedWords(const GameState& state, const Dictionary& dictionary);

struct Hint {
    FoundWord Best;
    std::vector<int> Cards; // the face-up cards that spell it, in its order
};

struct HintSearch {
    std::optional<Hint> Found; // nothing when no word can be laid
    std::string Problem;       // the game's own message when the word list cannot be read
};

// The best word that can be laid now from the face-up cards, the word cards among them,
// other than the word already laid: a common word where there is one. Its cards are the
// word cards in their order where they serve, table cards otherwise. No card moves.
HintSearch FindHint(const GameState& state, const Dictionary& dictionary);

// A hint costs the points of the word it shows on the timed levels, once for the same
// word on the same cards until a word is accepted; Very Easy gives it free. The cost is
// taken when the next word is accepted.
void ChargeForHint(GameState& state, const Hint& hint);
// Takes the hints' cost off the score, which never goes below zero, and notes what it took.
void TakeHintCost(GameState& state);
// What the status bar says of the hints' cost: what it will be and when it is taken, then
// what was taken; empty when no hint was charged.
std::string HintCostNotice(const GameState& state);

// True once for every position in which the pack is empty, cards are left on the table
// and no word can be laid from them: the player is then asked whether to end the game.
// A word list that cannot be read tells nothing, so nobody is asked.
bool StuckPositionToAskAbout(GameState& state, const Dictionary& dictionary);

} // namespace lexabit
