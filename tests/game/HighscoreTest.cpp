#include "game/Highscore.h"

#include "ScoreEntryPrinting.h"
#include "TempFolder.h"
#include "game/FileLock.h"
#include "game/OneLineText.h"
#include "game/ScoreFile.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexabit {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::string EntryLines(const std::string& name, const std::string& points,
                       const std::string& time = " 0: 5: 10", const std::string& words = "9",
                       const std::string& difficulty = "Easy", const std::string& rating = "Good") {
    return name + "\r\n" + points + "\r\n" + time + "\r\n" + words + "\r\n" + difficulty + "\r\n" +
           rating + "\r\n";
}

FinishedGame Game(const std::string& name, int level = 2) {
    return FinishedGame{.PlayerName = name,
                        .PlayingTime = " 0: 3: 5",
                        .WordCount = 4,
                        .Level = level,
                        .Rating = "Good"};
}

std::vector<std::string> Names(const ScoreTable& table) {
    std::vector<std::string> names;
    for (const auto& entry : table) {
        names.push_back(entry.Name);
    }
    return names;
}

class HighscoreFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder / "highscore.dat";
};

TEST_F(HighscoreFile, AMissingFileOrFolderIsAnEmptyTable) {
    Highscore missingFile(file);
    EXPECT_TRUE(missingFile.GetScores().Ok);
    EXPECT_TRUE(missingFile.Table().empty());

    Highscore missingFolder(folder / "highscore" / "highscore.dat");
    EXPECT_TRUE(missingFolder.GetScores().Ok);
    EXPECT_TRUE(missingFolder.Table().empty());
}

TEST_F(HighscoreFile, TheFirstScoreCreatesFolderAndFileWithOneEntryOfSixLines) {
    const auto inNewFolder = folder / "highscore" / "highscore.dat";
    Highscore scores(inNewFolder);
    ASSERT_TRUE(scores.GetScores().Ok);
    const FileOutcome outcome = scores.AddScore(7, Game("Ann"));
    ASSERT_TRUE(outcome.Ok) << outcome.Problem;
    EXPECT_EQ(ReadBytes(inNewFolder), "Ann\r\n  7\r\n 0: 3: 5\r\n4\r\nEasy\r\nGood\r\n");
    ASSERT_EQ(scores.Table().size(), 1u);
}

TEST_F(HighscoreFile, AnEmptyFileGainsExactlyOneEntry) {
    WriteBytes(file, "");
    Highscore scores(file);
    ASSERT_TRUE(scores.GetScores().Ok);
    EXPECT_TRUE(scores.Table().empty());
    ASSERT_TRUE(scores.AddScore(1234, Game("Bo", 1)).Ok);
    EXPECT_EQ(ReadBytes(file), "Bo\r\n1234\r\n 0: 3: 5\r\n4\r\nHard\r\nGood\r\n");
}

TEST_F(HighscoreFile, OnlyTheFirstTwentyFiveOfThirtyEntriesAreRead) {
    std::string text;
    for (int i = 1; i <= 30; ++i) {
        text += EntryLines("P" + std::to_string(i), std::to_string(100 - i));
    }
    WriteBytes(file, text);
    Highscore scores(file);
    ASSERT_TRUE(scores.GetScores().Ok);
    ASSERT_EQ(scores.Table().size(), 25u);
    EXPECT_EQ(scores.Table().front().Name, "P1");
    EXPECT_EQ(scores.Table().back().Name, "P25");

    ASSERT_TRUE(scores.AddScore(5, Game("Late")).Ok);
    EXPECT_EQ(ReadScoreFile(file).Table.size(), 25u);
}

TEST_F(HighscoreFile, ATwentySixthEntryIsNotWritten) {
    std::string text;
    for (int i = 0; i < 25; ++i) {
        text += EntryLines("P" + std::to_string(i), std::to_string(200 - i));
    }
    WriteBytes(file, text);
    Highscore scores(file);
    ASSERT_TRUE(scores.AddScore(190, Game("Mid")).Ok);
    const ScoreTable written = ReadScoreFile(file).Table;
    ASSERT_EQ(written.size(), 25u);
    EXPECT_EQ(std::ranges::count(ReadBytes(file), '\n'), 25 * 6); // the reader stops at 25
    EXPECT_EQ(written[10].Name, "P10"); // 190 ties with P10 and goes below it
    EXPECT_EQ(written[11].Name, "Mid");
    EXPECT_EQ(written.back().Name, "P23"); // P24, the lowest, dropped out
    EXPECT_EQ(Names(scores.Table()), Names(written));

    ASSERT_TRUE(scores.AddScore(1, Game("Too low")).Ok);
    EXPECT_EQ(ReadScoreFile(file).Table, written);
}

TEST_F(HighscoreFile, AnEntryCutShortByTheEndOfTheFileIsLeftOut) {
    WriteBytes(file,
               EntryLines("Ann", " 50") + EntryLines("Bo", " 40") + "Cy\r\n 90\r\n 0: 1: 0\r\n");
    Highscore scores(file);
    ASSERT_TRUE(scores.GetScores().Ok);
    EXPECT_EQ(Names(scores.Table()), (std::vector<std::string>{"Ann", "Bo"}));
}

TEST_F(HighscoreFile, ALastLineWithoutLineEndStillCounts) {
    std::string text = EntryLines("Ann", " 50");
    text.resize(text.size() - 2);
    WriteBytes(file, text);
    EXPECT_EQ(ReadScoreFile(file).Table.size(), 1u);
}

TEST_F(HighscoreFile, LinesLoseLeadingBlanksAndPointsGetTheirPaddingBack) {
    WriteBytes(file, EntryLines("   Ann", "7", "  0: 1: 2") + EntryLines("Bo", ""));
    const ScoreTable table = ReadScoreFile(file).Table;
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0], (ScoreEntry{"Ann", "  7", "0: 1: 2", "9", "Easy", "Good"}));
    EXPECT_EQ(table[1].Points, "   "); // an empty Points line: below every scored entry
}

TEST_F(HighscoreFile, ATableWrittenOutOfOrderIsReadHighestFirst) {
    WriteBytes(file, EntryLines("Low", "  9") + EntryLines("Top", "1234") +
                         EntryLines("Mid", "999") + EntryLines("Tie", "999"));
    EXPECT_EQ(Names(ReadScoreFile(file).Table),
              (std::vector<std::string>{"Top", "Mid", "Tie", "Low"}));
}

TEST_F(HighscoreFile, LineFeedEndsAndAByteOrderMarkAreRead) {
    WriteBytes(file, "\xEF\xBB\xBF"
                     "Ann\n 50\n 0: 1: 0\n3\nHard\nGreat\n");
    const ScoreTable table = ReadScoreFile(file).Table;
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0], (ScoreEntry{"Ann", " 50", "0: 1: 0", "3", "Hard", "Great"}));
}

TEST_F(HighscoreFile, NamesWithCommasQuotesAndAccentsComeBackUnchanged) {
    Highscore scores(file);
    const std::string name = "O'Brien, \"Zoë\" José";
    ASSERT_TRUE(scores.AddScore(60, Game(name)).Ok);
    ASSERT_TRUE(scores.AddScore(50, Game("Ünal; Ångström")).Ok);
    Highscore reread(file);
    ASSERT_TRUE(reread.GetScores().Ok);
    EXPECT_EQ(Names(reread.Table()), (std::vector<std::string>{name, "Ünal; Ångström"}));
}

TEST_F(HighscoreFile, ANameWithLineBreaksIsStoredAsOneLine) {
    Highscore scores(file);
    ASSERT_TRUE(scores.AddScore(60, Game("Ann\r\n 99\r\nX")).Ok);
    const ScoreTable table = ReadScoreFile(file).Table;
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].Name, "Ann 99X");
    EXPECT_EQ(table[0].Points, " 60");
}

TEST_F(HighscoreFile, BinaryBytesReadAsCleanTextAndWriteBackAsSixLineEntries) {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
        bytes += static_cast<char>((b * 37) & 0xFF);
    }
    WriteBytes(file, bytes + bytes + bytes);
    Highscore scores(file);
    ASSERT_TRUE(scores.GetScores().Ok);
    for (const auto& entry : scores.Table()) {
        for (const std::string* field : {&entry.Name, &entry.Points, &entry.Time, &entry.Words,
                                         &entry.Difficulty, &entry.Rating}) {
            for (const char c : *field) {
                EXPECT_GE(static_cast<unsigned char>(c), 0x20);
            }
        }
    }
    const ScoreTable garbage = scores.Table();
    ASSERT_FALSE(garbage.empty());
    ASSERT_TRUE(scores.AddScore(10, Game("Ann")).Ok);
    // The rewritten file reads back with every entry whole: each kept its six lines.
    ScoreTable reread = ReadScoreFile(file).Table;
    std::erase_if(reread, [](const ScoreEntry& entry) { return entry.Name == "Ann"; });
    EXPECT_EQ(reread, garbage);
}

TEST_F(HighscoreFile, AHalfMegabyteLineIsCutAndTheEntriesAfterItAreRead) {
    WriteBytes(file, EntryLines(std::string(500'000, 'x'), " 70") + EntryLines("Bo", " 60"));
    const ScoreTable table = ReadScoreFile(file).Table;
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].Name, std::string(MaxFieldCharacters, 'x'));
    EXPECT_EQ(table[0].Points, " 70");
    EXPECT_EQ(table[1], (ScoreEntry{"Bo", " 60", "0: 5: 10", "9", "Easy", "Good"}));
}

TEST_F(HighscoreFile, AScoreSavedMeanwhileByAnotherWindowIsKept) {
    Highscore mine(file);
    Highscore theirs(file);
    ASSERT_TRUE(mine.GetScores().Ok);
    ASSERT_TRUE(theirs.AddScore(80, Game("Theirs")).Ok);
    ASSERT_TRUE(mine.AddScore(70, Game("Mine")).Ok);
    EXPECT_EQ(Names(ReadScoreFile(file).Table), (std::vector<std::string>{"Theirs", "Mine"}));
}

// Runs the work in a process of its own and gives back its process number.
template <typename Work> pid_t InChildProcess(Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        std::_Exit(0);
    }
    return child;
}

bool EndedWell(pid_t child) {
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(HighscoreFile, TwoGamesRecordingAtOnceLoseNoResult) {
    constexpr int resultsEach = 60;
    const auto recordEvery = [this](int first) {
        Highscore scores(file);
        for (int points = first; points < 2 * resultsEach; points += 2) {
            if (!scores
                     .AddScore(static_cast<std::int16_t>(points),
                               Game("P" + std::to_string(points)))
                     .Ok) {
                std::_Exit(1);
            }
        }
    };
    const pid_t even = InChildProcess([&] { recordEvery(0); });
    const pid_t odd = InChildProcess([&] { recordEvery(1); });
    ASSERT_TRUE(EndedWell(even));
    ASSERT_TRUE(EndedWell(odd));

    std::vector<std::string> best;
    for (int points = 2 * resultsEach - 1; points >= 2 * resultsEach - 25; --points) {
        best.push_back("P" + std::to_string(points));
    }
    EXPECT_EQ(Names(ReadScoreFile(file).Table), best);
    EXPECT_FALSE(std::filesystem::exists(FileLock::LockFileFor(file)));
}

TEST_F(HighscoreFile, ALockLeftByAKilledGameDoesNotHoldTheNextOneUp) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = InChildProcess([&] {
        const FileLock lock(file, std::chrono::milliseconds(0));
        ::write(ready[1], lock.Held() ? "y" : "n", 1);
        ::pause();
    });
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    EXPECT_TRUE(FileLock(file, std::chrono::milliseconds(0)).Held());
}

TEST_F(HighscoreFile, AFolderInPlaceOfTheFileIsReportedAndLeftAlone) {
    std::filesystem::create_directory(file);
    Highscore scores(file);
    const FileOutcome read = scores.GetScores();
    EXPECT_FALSE(read.Ok);
    EXPECT_NE(read.Problem.find(file.string()), std::string::npos) << read.Problem;

    const FileOutcome added = scores.AddScore(50, Game("Ann"));
    EXPECT_FALSE(added.Ok);
    EXPECT_FALSE(added.Problem.empty());
    EXPECT_TRUE(std::filesystem::is_directory(file));
    ASSERT_EQ(scores.Table().size(), 1u); // the window can still show the result
}

TEST_F(HighscoreFile, AFolderThatCannotBeCreatedIsReported) {
    WriteBytes(folder / "highscore", "a file where the folder should be");
    Highscore scores(folder / "highscore" / "highscore.dat");
    const FileOutcome outcome = scores.AddScore(50, Game("Ann"));
    EXPECT_FALSE(outcome.Ok);
    EXPECT_NE(outcome.Problem.find("highscore.dat"), std::string::npos) << outcome.Problem;
}

TEST_F(HighscoreFile, AReadOnlyFolderRefusesTheWriteAndKeepsTheOldFile) {
    const std::string old = EntryLines("Ann", " 50");
    WriteBytes(file, old);
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        Highscore scores(file);
        const FileOutcome outcome = scores.AddScore(90, Game("Bo"));
        return !outcome.Ok && outcome.Problem.find(file.string()) != std::string::npos &&
               ReadBytes(file) == old;
    }));
}

} // namespace
} // namespace lexabit
