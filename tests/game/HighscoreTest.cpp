#include "game/files/Highscore.h"

#include "ScoreEntryPrinting.h"
#include "TempFolder.h"
#include "game/files/ScoreFile.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

namespace lexabit {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

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

TEST_F(HighscoreFile, ReadsWhatever6LineEntriesItHoldsHighestFirst) {
    using NameList = std::vector<std::string>;
    struct Case {
        const char* what;
        std::string bytes;
        NameList names;
        std::optional<ScoreEntry> first;
    };
    std::string noLastLineEnd = EntryLines("Ann", " 50");
    noLastLineEnd.resize(noLastLineEnd.size() - 2);
    NameList first25;
    for (int i = 0; i < 25; ++i) {
        first25.push_back("P" + std::to_string(i));
    }
    const Case cases[] = {
        {"empty", "", {}, {}},
        {"only the first 25 of 30", Entries(30, 100), first25, {}},
        {"an entry cut short", EntryLines("Ann", " 50") + "Cy\r\n 90\r\n 0: 1: 0\r\n", {"Ann"}, {}},
        {"no line end last", noLastLineEnd, {"Ann"}, {}},
        {"out of order",
         EntryLines("Low", "  9") + EntryLines("Top", "1234") + EntryLines("Mid", "999") +
             EntryLines("Tie", "999"),
         {"Top", "Mid", "Tie", "Low"},
         {}},
        {"leading blanks, points padded",
         EntryLines("   Ann", "7", "  0: 1: 2") + EntryLines("Bo", ""),
         {"Ann", "Bo"},
         ScoreEntry{"Ann", "  7", "0: 1: 2", "9", "Easy", "Good"}},
        {"line feeds and byte order mark",
         "\xEF\xBB\xBF"
         "Ann\n 50\n 0: 1: 0\n3\nHard\nGreat\n",
         {"Ann"},
         ScoreEntry{"Ann", " 50", "0: 1: 0", "3", "Hard", "Great"}},
        {"half a megabyte line",
         EntryLines(std::string(500'000, 'x'), " 70") + EntryLines("Bo", " 60"),
         {std::string(MaxFieldCharacters, 'x'), "Bo"},
         {}},
    };
    for (const Case& c : cases) {
        WriteBytes(file, c.bytes);
        Highscore scores(file);
        ASSERT_TRUE(scores.GetScores().Ok) << c.what;
        EXPECT_EQ(Names(scores.Table()), c.names) << c.what;
        if (c.first) {
            EXPECT_EQ(scores.Table().at(0), *c.first) << c.what;
        }
    }
}

TEST_F(HighscoreFile, TheFirstScoreCreatesFolderAndFileWithOneEntryOfSixLines) {
    const auto inNewFolder = folder / "highscore" / "highscore.dat";
    Highscore scores(inNewFolder);
    ASSERT_TRUE(scores.GetScores().Ok);
    EXPECT_TRUE(scores.Table().empty());
    const FileOutcome outcome = scores.AddScore(7, Game("Ann"));
    ASSERT_TRUE(outcome.Ok) << outcome.Problem;
    EXPECT_EQ(ReadBytes(inNewFolder), "Ann\r\n  7\r\n 0: 3: 5\r\n4\r\nEasy\r\nGood\r\n");
    EXPECT_EQ(scores.Table().size(), 1u);
}

TEST_F(HighscoreFile, ATwentySixthEntryIsNotWritten) {
    WriteBytes(file, Entries(25, 200));
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

TEST_F(HighscoreFile, NamesComeBackUnchangedOnOneLine) {
    Highscore scores(file);
    const std::string name = "O'Brien, \"Zoë\" José";
    ASSERT_TRUE(scores.AddScore(60, Game(name)).Ok);
    ASSERT_TRUE(scores.AddScore(50, Game("Ann\r\n 99\r\nX", 1)).Ok);
    const ScoreTable table = ReadScoreFile(file).Table;
    EXPECT_EQ(Names(table), (std::vector<std::string>{name, "Ann 99X"}));
    EXPECT_EQ(table.at(1).Points, " 50");
    EXPECT_EQ(table.at(1).Difficulty, "Hard");
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
            EXPECT_TRUE(std::ranges::all_of(
                *field, [](char c) { return static_cast<unsigned char>(c) >= 0x20; }));
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

TEST_F(HighscoreFile, AFolderInPlaceOfTheFileOrOfItsFolderIsReportedAndLeftAlone) {
    std::filesystem::create_directory(file);
    Highscore scores(file);
    const FileOutcome read = scores.GetScores();
    EXPECT_FALSE(read.Ok);
    EXPECT_NE(read.Problem.find(file.string()), std::string::npos) << read.Problem;
    EXPECT_FALSE(scores.AddScore(50, Game("Ann")).Ok);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(scores.Table().size(), 1u); // the window can still show the result

    WriteBytes(folder / "highscore", "a file where the folder should be");
    Highscore blocked(folder / "highscore" / "highscore.dat");
    const FileOutcome outcome = blocked.AddScore(50, Game("Ann"));
    EXPECT_FALSE(outcome.Ok);
    EXPECT_NE(outcome.Problem.find("highscore.dat"), std::string::npos) << outcome.Problem;
}

} // namespace
} // namespace lexabit
