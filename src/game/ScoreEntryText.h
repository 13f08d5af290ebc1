#pragma once

#include "game/ScoreEntry.h"

#include <optional>
#include <string>
#include <string_view>

namespace lexabit {

// The smallest width of the Points text.
inline constexpr std::size_t PointsWidth = 3;

// A score as the table keeps it: decimal, no sign blank, blanks in front up to
// three characters ("  7", " -5", "1234").
std::string PointsText(int score);

// Puts back the blanks in front of a Points text read from the file.
std::string PadPoints(std::string points);

// The score a Points text stands for, or nothing when it is not a whole number.
std::optional<long long> PointsValue(std::string_view points);

// The table's name of a difficulty level: 1 "Hard", 2 "Easy", 3 "Very Easy",
// any other level the empty text.
std::string DifficultyText(int level);

// The table entry for a game just finished; the name and the other texts are made
// single lines without control characters before they are stored.
ScoreEntry MakeScoreEntry(int score, const FinishedGame& game);

} // namespace lexabit
