#include "FakePorts.h"
#include "TempFolder.h"
#include "game/files/StatisticsFile.h"
#include "game/model/GameState.h"
#include "game/model/GameStatistics.h"
#include "game/play/Deal.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using enum GameEnding;
using testing::ReadBytes;
using testing::WriteBytes;

FinishedGameSummary Game(int score, int words, GameEnding ending = EndedByPlayer,
                         bool replayed = false) {
    return {.GameLevel = Level::Hard,
            .Ending = ending,
            .Score = score,
            .Words = words,
            .BestWord = words > 0 ? "QUIZ" : "",
            .BestWordPoints = score,
            .LongestWord = words > 0 ? std::string(static_cast<std::size_t>(words), 'A') : "",
            .PlayingSeconds = 60,
            .PackUsedUp = ending == AllCardsUsed,
            .Replayed = replayed};
}

TEST(Statistics, EachGameAddsToItsLevelAnEmptyAbandonedOneOnlyAsPlayedAReplayOnlyApart) {
    // Each game in turn, and the Hard level's statistics after it: played, scored, pack used
    // up, replayed, total, best score, best word and its points, longest word, words laid,
    // playing seconds, the run of games scoring enough and the longest run.
    const std::pair<FinishedGameSummary, LevelStatistics> rows[] = {
        {Game(60, 3, AllCardsUsed), {1, 1, 1, 0, 60, 60, "QUIZ", 60, "AAA", 3, 60, 1, 1}},
        {Game(0, 0, Abandoned), {2, 1, 1, 0, 60, 60, "QUIZ", 60, "AAA", 3, 60, 1, 1}},
        {Game(90, 5, EndedByPlayer, true), {2, 1, 1, 1, 60, 60, "QUIZ", 60, "AAA", 3, 60, 1, 1}},
        {Game(55, 2, TimedOut), {3, 2, 1, 1, 115, 60, "QUIZ", 60, "AAA", 5, 120, 2, 2}},
        {Game(20, 4, Abandoned), {4, 3, 1, 1, 135, 60, "QUIZ", 60, "AAAA", 9, 180, 0, 2}},
        {Game(70, 1, Stuck), {5, 4, 1, 1, 205, 70, "QUIZ", 70, "AAAA", 10, 240, 1, 2}},
    };
    GameStatistics statistics;
    for (const auto& [game, after] : rows) {
        SCOPED_TRACE(game.Score);
        CountFinishedGame(statistics, game);
        EXPECT_EQ(statistics.For(Level::Hard), after);
        EXPECT_EQ(statistics.For(Level::Easy), LevelStatistics{});
    }
    EXPECT_EQ(statistics.For(Level::Hard).AverageScore(), 205.0 / 4);
}

TEST(Statistics, AGameIsSummedUpFromItsWordsClocksPackAndDeal) {
    GameState state;
    state.GameLevel = Level::VeryEasy;
    state.TotalScore = 31;
    state.WordsFound = {{"QUIZ", " 22 + 2"}, {"STONES", " 6 + 5"}, {"JINX", " 18 + 2"}};
    state.Clocks.PlayHours = 1;
    state.Clocks.PlayMinutes = 2;
    state.Deal.Replayed = true;
    const GameTime now = state.Clocks.MinuteStart + std::chrono::seconds(7);
    EXPECT_EQ(SummariseFinishedGame(state, TimedOut, now),
              (FinishedGameSummary{Level::VeryEasy, TimedOut, 31, 3, "QUIZ", 24, "STONES",
                                   3600 + 120 + 7, true, true}));
}

TEST(StatisticsFile, KeepsEveryValueAndSetsADamagedFileAsideBeforeCountingAfresh) {
    const testing::TempFolder folder;
    const StatisticsFile file(folder / "highscore/statistics.txt", folder / "highscore/score.dat");
    ASSERT_TRUE(file.Record(Game(60, 3, AllCardsUsed)).Outcome.Ok);
    StatisticsRead read = file.Record(Game(55, 2, TimedOut));
    EXPECT_TRUE(read.Outcome.Ok);
    EXPECT_EQ(file.Load().Statistics, read.Statistics);
    EXPECT_EQ(read.Statistics.For(Level::Hard).Played, 2);

    for (const std::string& damage :
         std::vector<std::string>{"Lexabit Solitaire statistics 1\r\n[Hard]\r\nPlayed=x\r\n",
                                  "Played=3\r\n", std::string(70000, 'a')}) {
        SCOPED_TRACE(damage.substr(0, 40));
        WriteBytes(file.Path(), damage);
        const std::filesystem::path aside = StatisticsFile::SetAsidePath(file.Path());
        read = file.Record(Game(60, 3));
        EXPECT_NE(read.Outcome.Problem.find(aside.string()), std::string::npos);
        EXPECT_EQ(ReadBytes(aside), damage);
        EXPECT_EQ(file.Load().Statistics.For(Level::Hard).Played, 1);
    }
    std::filesystem::remove(file.Path());
    std::filesystem::create_directory(file.Path()); // a folder cannot be read nor replaced
    EXPECT_FALSE(file.Record(Game(60, 3)).Outcome.Ok);
    EXPECT_TRUE(std::filesystem::is_directory(file.Path()));
    EXPECT_FALSE(file.Reset().Ok);
}

} // namespace
} // namespace lexabit
