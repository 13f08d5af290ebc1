#pragma once

// The statistics kept for each level: what one finished game adds, and the sums, bests
// and runs of every game counted so far.

#include "game/model/Level.h"
#include "game/model/Ports.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lexabit {

class GameState;

// How a game came to an end. Every road counts the game once.
enum class GameEnding {
    EndedByPlayer, // File > End Game
    TimedOut,      // the word timer ran out
    AllCardsUsed,  // the last card went into a word
    Stuck,         // no word was left and the player agreed to end
    Abandoned,     // left for a new game, another level or the end of the program
};

// One finished game as the statistics take it.
struct FinishedGameSummary {
    Level GameLevel = Level::Easy;
    GameEnding Ending = GameEnding::EndedByPlayer;
    int Score = 0;
    int Words = 0;
    std::string BestWord; // the word that scored most, the earliest of equals
    int BestWordPoints = 0;
    std::string LongestWord; // the longest word, the earliest of equals
    long long PlayingSeconds = 0;
    bool PackUsedUp = false; // no card was left in the pack
    bool Replayed = false;   // a deal played again by its number, or restarted

    friend bool operator==(const FinishedGameSummary&, const FinishedGameSummary&) = default;
};

// The score a game must reach to carry a run on.
inline constexpr int RunScore = 50;

// What the games of one level add up to.
struct LevelStatistics {
    long long Played = 0;     // games on fresh deals, abandoned ones included
    long long Scored = 0;     // the games whose score, words and time were counted
    long long PackUsedUp = 0; // games whose pack was used up
    long long Replayed = 0;   // games on a deal played again, counted apart from the rest
    long long TotalScore = 0; // of the scored games, for the average
    long long BestScore = 0;  // meaningful once Scored is above 0
    std::string BestWord;     // the best word of all, with its points
    long long BestWordPoints = 0;
    std::string LongestWord;
    long long WordsLaid = 0;
    long long PlayingSeconds = 0;
    long long CurrentRun = 0; // games in a row scoring at least RunScore
    long long BestRun = 0;

    // The average score of the scored games, or nothing before the first.
    std::optional<double> AverageScore() const;

    friend bool operator==(const LevelStatistics&, const LevelStatistics&) = default;
};

// The statistics of the three levels.
struct GameStatistics {
    std::array<LevelStatistics, 3> Levels;

    LevelStatistics& For(Level level) { return Levels.at(IndexOf(level)); }
    const LevelStatistics& For(Level level) const { return Levels.at(IndexOf(level)); }
    static std::size_t IndexOf(Level level) {
        return static_cast<std::size_t>(StoredLevelNumber(level) - 1);
    }

    friend bool operator==(const GameStatistics&, const GameStatistics&) = default;
};

// Takes a game as it stands when it ends: its level, score, words, best and longest word,
// playing time (the running minute's seconds measured at now) and whether its pack was used
// up or its deal was played again.
FinishedGameSummary SummariseFinishedGame(const GameState& state, GameEnding ending, GameTime now);

// Adds one finished game to its level. A game abandoned before its first word counts as
// played and nothing more. A game on a replayed deal counts apart, as replayed only: a deal
// whose cards the player already knows would tell nothing about fresh ones.
void CountFinishedGame(GameStatistics& statistics, const FinishedGameSummary& game);

// The points of a row of the words found: " 9 + 3" is 12, " 7" is 7; text that is no
// such sum is 0.
int WordRowPointsValue(std::string_view points);

} // namespace lexabit
