#include "game/files/Highscore.h"

#include "TempFolder.h"
#include "game/files/ScoreFile.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <ranges>

namespace lexabit {

namespace {

using testing::ReadBytes;
using testing::WriteBytes;
using Names = std::vector<std::string>;

std::string EntryLines(const std::string& name, const std::string& points,
                       const std::string& time = " 0: 5: 10") {
    return name + "\r\n" + points + "\r\n" + time + "\r\n9\r\nEasy\r\nGood\r\n";
}

std::string Entries(int count, int firstPoints) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += EntryLines("P" + std::to_string(i), std::to_string(firstPoints - i));
    }
    return text;
}

FinishedGame Game(const std::string& name, Level level = Level::Easy) {
    return FinishedGame{.PlayerName = name,
                        .PlayingTime = " 0: 3: 5",
                        .WordCount = 4,
                        .GameLevel = level,
                        .Rating = "Good"};
}

Names NamesOf(const ScoreTable& table) {
    const auto names = table | std::views::transform(&ScoreEntry::Name);
    return {names.begin(), names.end()};
}

TEST(ScoreEntryText, AnEntryHoldsTheFinishedGameWithPaddedPointsAndTheLevelNamed) {
    const std::tuple<int, Level, ScoreEntry> rows[] = {
        {87, Level::Easy, {"AnnMarie", " 87", " 0: 3: 5", "4", "Easy", "Good"}},
        {7, Level::Hard, {"AnnMarie", "  7", " 0: 3: 5", "4", "Hard", "Good"}},
        {1234, Level::VeryEasy, {"AnnMarie", "1234", " 0: 3: 5", "4", "Very Easy", "Good"}},
        {-5, Level::Hard, {"AnnMarie", " -5", " 0: 3: 5", "4", "Hard", "Good"}},
    };
    for (const auto& [points, level, entry] : rows) {
        EXPECT_EQ(MakeScoreEntry(points, Game("Ann\r\nMarie\t", level)), entry);
    }
}

class HighscoreFile : public ::testing::Test {
protected:
    testing::TempFolder folder;
    std::filesystem::path file = folder / "highscore.dat";
};

TEST_F(HighscoreFile, ReadsWhatever6LineEntriesItHoldsHighestFirst) {
    Names first25;
    for (int i = 0; i < 25; ++i) {
        first25.push_back("P" + std::to_string(i));
    }
    const std::string huge(500'000, 'x');
    // clang-format off
    // What the file holds, its bytes, the names read, the first entry read where it matters.
    const std::tuple<const char*, std::string, Names, std::optional<ScoreEntry>> cases[] = {
        {"empty", "", {}, {}},
        {"only the first 25 of 30", Entries(30, 100), first25, {}},
        {"an entry cut short", EntryLines("Ann", " 50") + "Cy\r\n 90\r\n 0: 1: 0\r\n", {"Ann"}, {}},
        {"out of order, points as numbers, entries without points last",
         EntryLines("X", "x") + EntryLines("Low", "  9") + EntryLines("Top", "1234") +
             EntryLines("Neg", " -5") + EntryLines("Mid", "999") + EntryLines("Tie", "999"),
         {"Top", "Mid", "Tie", "Low", "Neg", "X"}, {}},
        {"leading blanks, points padded", EntryLines("   Ann", "7", "  0: 1: 2") + EntryLines("Bo", ""),
         {"Ann", "Bo"}, ScoreEntry{"Ann", "  7", "0: 1: 2", "9", "Easy", "Good"}},
        {"line feeds and byte order mark", "\xEF\xBB\xBF" "Ann\n 50\n 0: 1: 0\n3\nHard\nGreat\n",
         {"Ann"}, ScoreEntry{"Ann", " 50", "0: 1: 0", "3", "Hard", "Great"}},
        {"half a megabyte line", EntryLines(huge, " 70") + EntryLines("Bo", " 60"),
         {std::string(MaxFieldCharacters, 'x'), "Bo"}, {}},
    };
    // clang-format on
    for (const auto& [what, bytes, names, first] : cases) {
        WriteBytes(file, bytes);
        Highscore scores(file);
        ASSERT_TRUE(scores.GetScores().Ok) << what;
        EXPECT_EQ(NamesOf(scores.Table()), names) << what;
        if (first) {
            EXPECT_EQ(scores.Table().at(0), *first) << what;
        }
    }
}

TEST_F(HighscoreFile, AFirstScoreMakesTheFileAndA26thIsNotWrittenWithTiesBelowTheOlder) {
    const auto inNewFolder = folder / "highscore" / "highscore.dat";
    Highscore scores(inNewFolder);
    ASSERT_TRUE(scores.GetScores().Ok);
    const FileOutcome outcome = scores.AddScore(7, Game("O'Brien, \"Zoë\""));
    ASSERT_TRUE(outcome.Ok) << outcome.Problem;
    EXPECT_EQ(ReadBytes(inNewFolder),
              "O'Brien, \"Zoë\"\r\n  7\r\n 0: 3: 5\r\n4\r\nEasy\r\nGood\r\n");
    ASSERT_TRUE(scores.AddScore(5, Game("Ann\r\n 99\r\nX")).Ok);
    EXPECT_EQ(NamesOf(ReadScoreFile(inNewFolder).Table), (Names{"O'Brien, \"Zoë\"", "Ann 99X"}));

    SCOPED_TRACE("a full table");
    WriteBytes(file, Entries(25, 200));
    Highscore full(file);
    ASSERT_TRUE(full.AddScore(190, Game("Mid")).Ok);
    const ScoreTable written = ReadScoreFile(file).Table;
    EXPECT_EQ(std::ranges::count(ReadBytes(file), '\n'), 25 * 6); // the reader stops at 25
    EXPECT_EQ(written.at(10).Name, "P10"); // 190 ties with P10 and goes below it
    EXPECT_EQ(written.at(11).Name, "Mid");
    EXPECT_EQ(written.back().Name, "P23"); // P24, the lowest, dropped out
    EXPECT_EQ(NamesOf(full.Table()), NamesOf(written));
}

TEST_F(HighscoreFile, GamesRecordingAtOnceOrMeanwhileOrKilledHoldingTheLockLoseNoResult) {
    Highscore mine(file);
    Highscore theirs(file);
    ASSERT_TRUE(mine.GetScores().Ok);
    ASSERT_TRUE(theirs.AddScore(500, Game("Theirs")).Ok);
    ASSERT_TRUE(mine.AddScore(400, Game("Mine")).Ok);

    constexpr int resultsEach = 60;
    const auto recordEvery = [this](int first) {
        Highscore scores(file);
        bool recorded = true;
        for (int points = first; points < 2 * resultsEach; points += 2) {
            recorded = recorded && scores.AddScore(points, Game("P" + std::to_string(points))).Ok;
        }
        return recorded;
    };
    const pid_t even = testing::InAChild([&] { return recordEvery(0); });
    const pid_t odd = testing::InAChild([&] { return recordEvery(1); });
    EXPECT_TRUE(testing::Succeeded(even));
    EXPECT_TRUE(testing::Succeeded(odd));

    Names best{"Theirs", "Mine"};
    for (int points = 2 * resultsEach - 1; best.size() < 25; --points) {
        best.push_back("P" + std::to_string(points));
    }
    EXPECT_EQ(NamesOf(ReadScoreFile(file).Table), best);
    EXPECT_FALSE(std::filesystem::exists(FileLock::LockFileFor(file)));

    SCOPED_TRACE("a lock left by a game that ended holding it");
    EXPECT_TRUE(testing::Succeeded(testing::InAChild([this]() -> bool {
        const FileLock lock(file, std::chrono::milliseconds(0));
        std::_Exit(lock.Held() ? 0 : 1); // gone without letting go, as a killed game is
    })));
    EXPECT_TRUE(FileLock(file, std::chrono::milliseconds(0)).Held());
}

} // namespace
} // namespace lexabit
