#include "game/ScoreEntryText.h"

#include "game/OneLineText.h"

#include <cctype>

namespace lexabit {

std::string PointsText(int score) {
    return PadPoints(std::to_string(score));
}

std::string PadPoints(std::string points) {
    if (points.size() < PointsWidth) {
        points.insert(0, PointsWidth - points.size(), ' ');
    }
    return points;
}

std::optional<long long> PointsValue(std::string_view points) {
    // More digits than this could not come from a game and would overflow.
    constexpr std::size_t MaxDigits = 18;
    while (!points.empty() && points.front() == ' ') {
        points.remove_prefix(1);
    }
    const bool negative = !points.empty() && points.front() == '-';
    if (negative) {
        points.remove_prefix(1);
    }
    if (points.empty() || points.size() > MaxDigits) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : points) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string DifficultyText(int level) {
    switch (level) {
    case 1:
        return "Hard";
    case 2:
        return "Easy";
    case 3:
        return "Very Easy";
    default:
        return "";
    }
}

ScoreEntry MakeScoreEntry(int score, const FinishedGame& game) {
    return ScoreEntry{
        .Name = OneLineText(game.PlayerName),
        .Points = PointsText(score),
        .Time = OneLineText(game.PlayingTime),
        .Words = std::to_string(game.WordCount),
        .Difficulty = DifficultyText(game.Level),
        .Rating = OneLineText(game.Rating),
    };
}

} // namespace lexabit
