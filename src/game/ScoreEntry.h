#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace lexabit {

// One result in the high-score table: six texts, in the order of the table's
// columns and of the lines of an entry in the high-score file.
struct ScoreEntry {
    std::string Name;
    std::string Points;     // the score padded on the left with blanks to 3 characters
    std::string Time;       // the playing time as shown in the status bar
    std::string Words;      // how many words were found
    std::string Difficulty; // "Hard", "Easy", "Very Easy" or empty
    std::string Rating;     // "Master" ... "Fair"

    friend bool operator==(const ScoreEntry&, const ScoreEntry&) = default;
};

// The high-score table, best result first.
using ScoreTable = std::vector<ScoreEntry>;

// The most entries the high-score file holds.
inline constexpr std::size_t MaxScoreEntries = 25;

// The captions of the table's six columns, in order.
inline constexpr std::array<const char*, 6> ScoreColumnCaptions = {"Name",  "Points",     "Time",
                                                                   "Words", "Difficulty", "Rating"};

// What the game knows about itself when a result is recorded.
struct FinishedGame {
    std::string PlayerName;
    std::string PlayingTime;
    int WordCount = 0;
    int Level = 0;
    std::string Rating;
};

} // namespace lexabit
