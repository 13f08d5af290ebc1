#pragma once

#include "game/model/Level.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lexabit {

// The result of a finished game as it stood when the game ended: whatever happens on
// the board while the name dialog waits, this is what the high-score table records.
struct EndOfGameFacts {
    std::int16_t Score = 0;
    std::string PlayingTime;
    int WordCount = 0;
    Level GameLevel = Level::Easy;
    std::string Rating;
};

// Asked when a name is confirmed; gives the result taken at the end of the game.
using EndOfGameFactsSource = std::function<EndOfGameFacts()>;

} // namespace lexabit
