#include "TempFolder.h"
#include "game/files/Highscore.h"
#include "game/files/Settings.h"
#include "game/model/Texts.h"

#include <csignal>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <ranges>
#include <sys/resource.h>

namespace lexabit {
namespace {

using enum Level;
using enum SettingsFileState;

namespace fs = std::filesystem;
using namespace testing; // the fakes and helpers of the rules tests

constexpr const char* WorkedExample = " 16744576 \r\n 8 \r\n 2 \r\n";
using Values = SettingsValues; // colour, card style, level

TEST(SettingsText, WritesNumbersFramedByBlanksOrAMinusAndReadsWhatItCanDefaultingTheRest) {
    EXPECT_EQ(FormatSettings(Values{static_cast<std::int32_t>(0x8000000FU), 3, Hard}),
              "-2147483633 \r\n 3 \r\n 1 \r\n");
    for (const std::int32_t colour : {INT32_MIN, -1, 0, INT32_MAX}) {
        EXPECT_EQ(ParseSettings(FormatSettings(Values{colour, 0, VeryEasy})).Values,
                  (Values{colour, 0, VeryEasy}));
    }

    // Each line stands on its own: one that cannot be used takes its default alone.
    // clang-format off
    const std::tuple<std::string, SettingsValues, bool> cases[] = { // text, values, complete
        {WorkedExample, Values{16744576, 8, Easy}, true}, {" 255 \n 4 \r\n 3", Values{255, 4, VeryEasy}, true},
        {"\xEF\xBB\xBF\t+65280\r\n5\r\n   1\t", Values{65280, 5, Hard}, true},
        {" 1 \r\n 2 \r\n 3 \r\n junk \r\n 7 \r\n", Values{1, 2, VeryEasy}, true},
        {" 0 \r\n 8 \r\n 3 \r\n", Values{0, 8, VeryEasy}, true}, {" 0 \r\n 0 \r\n 1 \r\n", Values{0, 0, Hard}, true}, // highest, lowest
        {"", Values{}, false}, {" 255 \r\n", Values{255, 8, Easy}, false}, {" 255 \r\n 0 ", Values{255, 0, Easy}, false},
        {" 255 \r\n12abc\r\n 3 \r\n", Values{255, 8, VeryEasy}, false},
        {" 255 \r\n   \r\n 3 \r\n", Values{255, 8, VeryEasy}, false}, {" 255 \r\n- 5\r\n 3 \r\n", Values{255, 8, VeryEasy}, false},
        {"2147483648\r\n 1 \r\n 1 \r\n", Values{Values::DefaultBackgroundColor, 1, Hard}, false},
        {" 0 \r\n 4294967301 \r\n 65537 \r\n", Values{0, 8, Easy}, false}, // not truncated
        {" 0 \r\n-1 \r\n 0 \r\n", Values{0, 8, Easy}, false}, {" 0 \r\n 9 \r\n 4 \r\n", Values{0, 8, Easy}, false},
    };
    // clang-format on
    for (const auto& [text, values, complete] : cases) {
        const ParsedSettings parsed = ParseSettings(text);
        EXPECT_EQ(std::pair(parsed.Values, parsed.Complete), std::pair(values, complete)) << text;
    }
}

TEST(SettingsFile, LoadsRepairsAndSavesWhole) {
    const std::string longFirstLine = " 255" + std::string(100000, ' ') + "x\r\n 1 \r\n 1 \r\n";
    // clang-format off
    // The file (none: nor its folder), what a load makes of it, what saving that writes back.
    const std::tuple<std::optional<std::string>, SettingsFileState, SettingsValues, const char*> cases[] = {
        {WorkedExample, Complete, Values{16744576, 8, Easy}, WorkedExample},
        {std::nullopt, Missing, Values{}, WorkedExample},
        {" 255 \n", Repaired, Values{255, 8, Easy}, " 255 \r\n 8 \r\n 2 \r\n"},
        {std::string("\0\0\0\n\0", 5), Repaired, Values{}, WorkedExample},
        {longFirstLine, Repaired, Values{}, WorkedExample},
    };
    // clang-format on
    for (const auto& [content, state, values, saved] : cases) {
        TempFolder folder;
        const SettingsFile file(folder.Path() / "not-yet" / "Settings.txt");
        if (content) {
            WriteBytes(file.Path(), *content);
        }
        const SettingsReadResult read = file.Load();
        EXPECT_EQ(std::pair(read.State, read.Values), std::pair(state, values)) << saved;
        const FileOutcome written = file.Save(read.Values);
        ASSERT_TRUE(written.Ok) << written.Problem;
        EXPECT_EQ(ReadBytes(file.Path()), saved);
        EXPECT_EQ(Listing(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});
    }
    const SettingsFile shipped(SettingsFile::PathIn(fs::path(LEXABIT_SOURCE_DIR) / "data"));
    EXPECT_EQ(ReadBytes(shipped.Path()), WorkedExample);
}

// A write cut short by a size limit (binding root too), a read-only folder, an unreadable file.
TEST(SettingsFile, AFailedWriteOrAReadOnlyFolderOrUnreadableFileKeepsTheFileAsItWas) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), WorkedExample);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = old;
    lowered.rlim_cur = 5;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    const FileOutcome written = file.Save(Values{-2147483647, 7, VeryEasy});
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(written.Error, std::errc::file_too_large);
    EXPECT_EQ(ReadBytes(file.Path()), WorkedExample);
    EXPECT_EQ(Listing(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});

    fs::permissions(file.Path().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(HoldsForAPlayer(folder.Path(), [&] {
        return !file.Save(Values{1, 2, VeryEasy}).Ok && ReadBytes(file.Path()) == WorkedExample;
    })) << "read-only folder";

    fs::permissions(file.Path().parent_path(), fs::perms::owner_all);
    fs::permissions(file.Path(), fs::perms::none);
    EXPECT_TRUE(HoldsForAPlayer(folder.Path(), [&] {
        const SettingsReadResult read = file.Load();
        return read.State == SettingsFileState::Unreadable &&
               read.Problem.find(file.Path().string()) != std::string::npos &&
               !file.Save(read.Values).Ok;
    })) << "unreadable file";
    EXPECT_EQ(fs::status(file.Path()).permissions(), fs::perms::none);
}

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

FinishedGame Game(const std::string& name, Level level = Easy) {
    return {.PlayerName = name,
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
        {87, Easy, {"AnnMarie", " 87", " 0: 3: 5", "4", "Easy", "Good"}},
        {7, Hard, {"AnnMarie", "  7", " 0: 3: 5", "4", "Hard", "Good"}},
        {1234, VeryEasy, {"AnnMarie", "1234", " 0: 3: 5", "4", "Very Easy", "Good"}},
        {-5, Hard, {"AnnMarie", " -5", " 0: 3: 5", "4", "Hard", "Good"}},
    };
    for (const auto& [points, level, entry] : rows) {
        EXPECT_EQ(MakeScoreEntry(points, Game("Ann\r\nMarie\t", level)), entry);
    }
}

TEST(HighscoreFile, ReadsWhatever6LineEntriesItHoldsHighestFirst) {
    Names first25;
    for (int i = 0; i < 25; ++i) {
        first25.push_back("P" + std::to_string(i));
    }
    const std::string huge(500'000, 'x');
    // clang-format off
    // What the file holds, its bytes, the names read, the first entry read where it matters.
    const std::tuple<const char*, std::string, Names, std::optional<ScoreEntry>> cases[] = {
        {"empty", "", {}, {}}, {"only the first 25 of 30", Entries(30, 100), first25, {}},
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
    const TempFolder folder;
    for (const auto& [what, bytes, names, first] : cases) {
        WriteBytes(folder / "highscore.dat", bytes);
        Highscore scores(folder / "highscore.dat");
        ASSERT_TRUE(scores.GetScores().Ok) << what;
        EXPECT_EQ(NamesOf(scores.Table()), names) << what;
        if (first) {
            EXPECT_EQ(scores.Table().at(0), *first) << what;
        }
    }
}

TEST(HighscoreFile, AFirstScoreMakesTheFileAndA26thIsNotWrittenWithTiesBelowTheOlder) {
    const TempFolder folder;
    const auto file = folder / "highscore" / "highscore.dat"; // in a folder not made yet
    Highscore scores(file);
    ASSERT_TRUE(scores.GetScores().Ok);
    const FileOutcome outcome = scores.AddScore(7, Game("O'Brien, \"Zoë\""));
    ASSERT_TRUE(outcome.Ok) << outcome.Problem;
    EXPECT_EQ(ReadBytes(file), "O'Brien, \"Zoë\"\r\n  7\r\n 0: 3: 5\r\n4\r\nEasy\r\nGood\r\n");
    ASSERT_TRUE(scores.AddScore(5, Game("Ann\r\n 99\r\nX")).Ok);
    EXPECT_EQ(NamesOf(ReadScoreFile(file).Table), (Names{"O'Brien, \"Zoë\"", "Ann 99X"}));

    SCOPED_TRACE("a full table");
    WriteBytes(file, Entries(25, 200));
    Highscore full(file);
    ASSERT_TRUE(full.AddScore(190, Game("Mid")).Ok);
    const ScoreTable written = ReadScoreFile(file).Table;
    EXPECT_EQ(std::ranges::count(ReadBytes(file), '\n'), 25 * 6); // the reader stops at 25
    // 190 ties with P10 and goes below it; P24, the lowest, dropped out.
    EXPECT_EQ(std::tuple(written.at(10).Name, written.at(11).Name, written.back().Name),
              std::tuple("P10", "Mid", "P23"));
    EXPECT_EQ(NamesOf(full.Table()), NamesOf(written));
}

TEST(HighscoreFile, GamesRecordingAtOnceOrMeanwhileOrKilledHoldingTheLockLoseNoResult) {
    const TempFolder folder;
    const auto file = folder / "highscore.dat";
    Highscore mine(file);
    Highscore theirs(file);
    ASSERT_TRUE(mine.GetScores().Ok);
    ASSERT_TRUE(theirs.AddScore(500, Game("Theirs")).Ok);
    ASSERT_TRUE(mine.AddScore(400, Game("Mine")).Ok);

    constexpr int resultsEach = 60;
    const auto recordEvery = [&file](int first) {
        Highscore scores(file);
        bool recorded = true;
        for (int points = first; points < 2 * resultsEach; points += 2) {
            recorded = recorded && scores.AddScore(points, Game("P" + std::to_string(points))).Ok;
        }
        return recorded;
    };
    const pid_t even = InAChild([&] { return recordEvery(0); });
    const pid_t odd = InAChild([&] { return recordEvery(1); });
    EXPECT_TRUE(Succeeded(even));
    EXPECT_TRUE(Succeeded(odd));

    Names best{"Theirs", "Mine"};
    for (int points = 2 * resultsEach - 1; best.size() < 25; --points) {
        best.push_back("P" + std::to_string(points));
    }
    EXPECT_EQ(NamesOf(ReadScoreFile(file).Table), best);
    EXPECT_FALSE(fs::exists(FileLock::LockFileFor(file)));

    SCOPED_TRACE("a lock left by a game that ended holding it");
    EXPECT_TRUE(Succeeded(InAChild([&file]() -> bool {
        const FileLock lock(file, std::chrono::milliseconds(0));
        std::_Exit(lock.Held() ? 0 : 1); // gone without letting go, as a killed game is
    })));
    EXPECT_TRUE(FileLock(file, std::chrono::milliseconds(0)).Held());
}

} // namespace
} // namespace lexabit
