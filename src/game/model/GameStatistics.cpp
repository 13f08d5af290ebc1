#include "game/model/GameStatistics.h"

#include "game/model/GameState.h"

#include <algorithm>
#include <cctype>

namespace lexabit {

namespace {

constexpr long long SecondsPerMinute = 60;
constexpr long long SecondsPerHour = 3600;

// The seconds of a running minute that began at start: never below 0, never a minute.
long long SecondsOfRunningMinute(GameTime start, GameTime now) {
    return std::clamp<long long>((now - start).count(), 0, SecondsPerMinute - 1);
}

} // namespace

int WordRowPointsValue(std::string_view points) {
    long long sum = 0;
    long long term = 0;
    bool inTerm = false;
    for (const char c : points) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            term = std::min<long long>(term * 10 + (c - '0'), 1'000'000);
            inTerm = true;
        } else if (c == '+') {
            if (!inTerm) {
                return 0;
            }
            sum += term;
            term = 0;
            inTerm = false;
        } else if (c != ' ') {
            return 0;
        }
    }
    return inTerm ? static_cast<int>(sum + term) : 0;
}

FinishedGameSummary SummariseFinishedGame(const GameState& state, GameEnding ending, GameTime now) {
    FinishedGameSummary game;
    game.GameLevel = state.GameLevel;
    game.Ending = ending;
    game.Score = state.TotalScore;
    game.Words = static_cast<int>(state.WordsFound.size());
    for (const AcceptedWord& found : state.WordsFound) {
        const int points = WordRowPointsValue(found.Points);
        if (game.BestWord.empty() || points > game.BestWordPoints) {
            game.BestWord = found.Word;
            game.BestWordPoints = points;
        }
        if (found.Word.size() > game.LongestWord.size()) {
            game.LongestWord = found.Word;
        }
    }
    game.PlayingSeconds = state.Clocks.PlayHours * SecondsPerHour +
                          state.Clocks.PlayMinutes * SecondsPerMinute +
                          SecondsOfRunningMinute(state.Clocks.MinuteStart, now);
    game.PackUsedUp = state.PackIsEmpty();
    game.Replayed = state.Deal.Replayed;
    return game;
}

std::optional<double> LevelStatistics::AverageScore() const {
    if (Scored == 0) {
        return std::nullopt;
    }
    return static_cast<double>(TotalScore) / static_cast<double>(Scored);
}

void CountFinishedGame(GameStatistics& statistics, const FinishedGameSummary& game) {
    LevelStatistics& level = statistics.For(game.GameLevel);
    if (game.Replayed) {
        ++level.Replayed;
        return;
    }
    ++level.Played;
    if (game.Ending == GameEnding::Abandoned && game.Words == 0) {
        return;
    }
    level.BestScore =
        level.Scored == 0 ? game.Score : std::max<long long>(level.BestScore, game.Score);
    ++level.Scored;
    level.TotalScore += game.Score;
    level.PackUsedUp += game.PackUsedUp ? 1 : 0;
    if (!game.BestWord.empty() &&
        (level.BestWord.empty() || game.BestWordPoints > level.BestWordPoints)) {
        level.BestWord = game.BestWord;
        level.BestWordPoints = game.BestWordPoints;
    }
    if (game.LongestWord.size() > level.LongestWord.size()) {
        level.LongestWord = game.LongestWord;
    }
    level.WordsLaid += game.Words;
    level.PlayingSeconds += game.PlayingSeconds;
    level.CurrentRun = game.Score >= RunScore ? level.CurrentRun + 1 : 0;
    level.BestRun = std::max(level.BestRun, level.CurrentRun);
}

} // namespace lexabit
