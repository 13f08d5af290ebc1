#include "TempFolder.h"
#include "game/files/KeptGame.h"
#include "game/files/StatisticsFile.h"
#include "game/play/Deal.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

using enum GameEnding;
using namespace testing; // the fakes and helpers of the rules tests

// A Hard game of a minute: its best word QUIZ, its longest as many As as it had words.
FinishedGameSummary Game(int score, int words, GameEnding ending = EndedByPlayer,
                         bool replayed = false) {
    const std::string longest(static_cast<std::size_t>(words), 'A');
    const bool packUsedUp = ending == AllCardsUsed;
    return {Level::Hard, ending,  score, words,      words > 0 ? "QUIZ" : "",
            score,       longest, 60,    packUsedUp, replayed};
}

TEST(Statistics, EachGameAddsToItsLevelAnEmptyAbandonedOneOnlyAsPlayedAReplayOnlyApart) {
    // Each game, and the Hard level's statistics after it (the fields in their order).
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
    const TempFolder folder;
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

const GameTime LeftAt{std::chrono::seconds(1'800'000'000)};

// A used card, a word at a fractional place, a raised card, a hint, clocks inside their minutes.
GameState GameUnderWay() {
    GameState state;
    MersenneRandom random;
    ResetGameVariables(state, StandardLetterCounts, LeftAt);
    DealCards(state, StandardLetterCounts, random);
    const auto take = [&state](int index, CardTag tag, float top) { // as an A
        state.Card(index) = {tag, 'A', 1, 3, 10.5F, top, tag != CardTag::Used};
    };
    take(1, CardTag::Used, 0);
    take(2, CardTag::Word, 200.25F);
    take(3, CardTag::Word, 230.25F);
    take(4, CardTag::Table, 90);
    state.WordCards.Add(2);
    state.WordCards.Add(3);
    state.RaiseCard(4);
    state.TotalScore = 17;
    state.WordsFound = {{"QUIZ", " 22 + 0"}};
    state.Shown = {"AB", " 4 Points"};
    state.Piles.DiscardPile = true;
    state.Deal = {4711, true, StandardLetterCounts};
    state.HintCost = 3;
    state.HintCostTaken = 5;
    state.HintsCharged = {{"AB", {2, 3}}};
    state.Clocks = {
        1, LeftAt - std::chrono::seconds(40), LeftAt - std::chrono::seconds(25), 7, 1, "1:07:25"};
    return state;
}

TEST(KeptGame, ComesBackAsItWasLeftWithItsClocksGoingOnFromWhereTheyStood) {
    const GameState left = GameUnderWay();
    const GameTime later = LeftAt + std::chrono::hours(30);
    const KeptGameRead read = ParseKeptGame(FormatKeptGame(left, LeftAt), later);
    ASSERT_TRUE(read.Game) << read.Problem;
    const GameState& back = *read.Game;
    // Written again as much later as it was read, it says the same, clocks included.
    EXPECT_EQ(FormatKeptGame(back, later), FormatKeptGame(left, LeftAt));
    EXPECT_EQ(std::tuple(back.Card(3).Top, back.StackingOrder().back(), back.HintCostTaken,
                         later - back.Clocks.MinuteStart),
              std::tuple(230.25F, 4, std::optional(5), std::chrono::seconds(25)));
}

TEST(KeptGame, AFileThatCannotBeResumedSaysWhyAndIsSetAsideUnharmed) {
    const std::string good = FormatKeptGame(GameUnderWay(), LeftAt);
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    // clang-format off
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"another program's file", "[Settings]\r\nlevel=2\r\n"}, {"a newer version", replaced("version 1", "version 2")},
        {"cut short", good.substr(0, good.size() / 2)}, {"a card twice in the pack", replaced("\r\npack ", "\r\npack 1 ")},
        {"a word of one card", replaced("\r\nword 2 3", "\r\nword 2")}, {"a card twice", replaced("\r\ncard 5 ", "\r\ncard 6 ")},
        {"a letter worth other points", replaced("\r\ncard 2 3 A ", "\r\ncard 2 3 Q ")},
        {"no number", replaced("score 17", "score lots")}, {"a line it does not know", replaced("\r\nend", "\r\nbonus 5\r\nend")},
    };
    // clang-format on
    for (const auto& [what, text] : damaged) {
        EXPECT_FALSE(ParseKeptGame(text, LeftAt).Problem.empty()) << what;
    }

    const TempFolder folder;
    const KeptGameFile file(folder / "KeptGame.txt");
    WriteBytes(file.Path(), damaged[0].second);
    WriteBytes(folder / "KeptGame.txt.damaged", "older");
    EXPECT_EQ(file.SetAside(), folder / "KeptGame.txt.damaged-2");
    EXPECT_EQ(ReadBytes(folder / "KeptGame.txt.damaged-2"), damaged[0].second);
    EXPECT_FALSE(file.Read(LeftAt)); // nothing kept any more
}

} // namespace
} // namespace lexabit
