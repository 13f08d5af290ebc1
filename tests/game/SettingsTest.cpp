#include "game/files/Settings.h"

#include "TempFolder.h"

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace lexabit {
namespace {

using enum Level;
using enum SettingsFileState;

namespace fs = std::filesystem;
using testing::Listing;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* WorkedExample = " 16744576 \r\n 8 \r\n 2 \r\n";
using Values = SettingsValues; // colour, card style, level

TEST(SettingsText, WritesNumbersFramedByBlanksOrAMinusAndReadsWhatItCanDefaultingTheRest) {
    EXPECT_EQ(FormatSettings(Values{}), WorkedExample);
    EXPECT_EQ(FormatSettings(Values{static_cast<std::int32_t>(0x8000000FU), 3, Hard}),
              "-2147483633 \r\n 3 \r\n 1 \r\n");
    for (const std::int32_t colour : {INT32_MIN, -1, 0, INT32_MAX}) {
        EXPECT_EQ(ParseSettings(FormatSettings(Values{colour, 0, VeryEasy})).Values,
                  (Values{colour, 0, VeryEasy}));
    }

    // Each line stands on its own: one that cannot be used takes its default alone.
    // clang-format off
    const std::tuple<std::string, SettingsValues, bool> cases[] = { // text, values, complete
        {WorkedExample, Values{16744576, 8, Easy}, true},
        {" 255 \n 4 \r\n 3", Values{255, 4, VeryEasy}, true},
        {"\xEF\xBB\xBF\t+65280\r\n5\r\n   1\t", Values{65280, 5, Hard}, true},
        {" 1 \r\n 2 \r\n 3 \r\n junk \r\n 7 \r\n", Values{1, 2, VeryEasy}, true},
        {" 0 \r\n 8 \r\n 3 \r\n", Values{0, 8, VeryEasy}, true},   // the highest style and level
        {" 0 \r\n 0 \r\n 1 \r\n", Values{0, 0, Hard}, true},   // the lowest
        {"", Values{}, false},
        {" 255 \r\n", Values{255, 8, Easy}, false},
        {" 255 \r\n 0 ", Values{255, 0, Easy}, false},
        {" 255 \r\n12abc\r\n 3 \r\n", Values{255, 8, VeryEasy}, false},
        {" 255 \r\n   \r\n 3 \r\n", Values{255, 8, VeryEasy}, false},
        {" 255 \r\n- 5\r\n 3 \r\n", Values{255, 8, VeryEasy}, false},
        {"2147483648\r\n 1 \r\n 1 \r\n", Values{Values::DefaultBackgroundColor, 1, Hard}, false},
        {" 0 \r\n 4294967301 \r\n 65537 \r\n", Values{0, 8, Easy}, false}, // not truncated
        {" 0 \r\n-1 \r\n 0 \r\n", Values{0, 8, Easy}, false},
        {" 0 \r\n 9 \r\n 4 \r\n", Values{0, 8, Easy}, false},
    };
    // clang-format on
    for (const auto& [text, values, complete] : cases) {
        const ParsedSettings parsed = ParseSettings(text);
        EXPECT_EQ(std::pair(parsed.Values, parsed.Complete), std::pair(values, complete)) << text;
    }
}

// What a load makes of the file, and what saving the loaded values writes back.
TEST(SettingsFile, LoadsRepairsAndSavesWhole) {
    const std::string longFirstLine = " 255" + std::string(100000, ' ') + "x\r\n 1 \r\n 1 \r\n";
    // clang-format off
    // What the file holds (none: neither file nor folder exists), what a load makes of it,
    // what a save of the loaded values writes.
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

// A write that fails half-way, even for root: the largest file size this process may
// write is lowered, and the signal that would end the process ignored meanwhile. Then a
// folder the player may not write and a file the player may not read.
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
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        return !file.Save(Values{1, 2, VeryEasy}).Ok && ReadBytes(file.Path()) == WorkedExample;
    })) << "read-only folder";

    fs::permissions(file.Path().parent_path(), fs::perms::owner_all);
    fs::permissions(file.Path(), fs::perms::none);
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        const SettingsReadResult read = file.Load();
        return read.State == SettingsFileState::Unreadable &&
               read.Problem.find(file.Path().string()) != std::string::npos &&
               !file.Save(read.Values).Ok;
    })) << "unreadable file";
    EXPECT_EQ(fs::status(file.Path()).permissions(), fs::perms::none);
}

} // namespace
} // namespace lexabit
