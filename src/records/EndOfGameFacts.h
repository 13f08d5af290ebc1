#pragma once

#include <functional>
#include <string>

namespace lexabit {

// What the board knows about a finished game besides the game state: how many words
// the word list holds and the player's rating.
struct EndOfGameFacts {
    int WordCount = 0;
    std::string Rating;
};

// Asked at the moment a result is recorded, so the facts are those of that moment.
using EndOfGameFactsSource = std::function<EndOfGameFacts()>;

} // namespace lexabit
