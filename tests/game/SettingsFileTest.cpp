#include "TempFolder.h"
#include "game/files/Settings.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace lexabit {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr const char* WorkedExample = " 16744576 \r\n 8 \r\n 2 \r\n";

SettingsValues Values(std::int32_t colour, std::int16_t style, std::int16_t level) {
    SettingsValues values;
    values.BackgroundColor = colour;
    values.CardStyle = style;
    values.Level = level;
    return values;
}

std::vector<std::string> EntriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// What a load makes of the file, and what saving the loaded values writes back.
TEST(SettingsFile, LoadsRepairsAndSavesWhole) {
    struct Case {
        const char* what;
        std::optional<std::string> content; // none: neither file nor folder exists
        SettingsFileState state;
        SettingsValues values;
        const char* saved;
    };
    const Case cases[] = {
        {"worked example", WorkedExample, SettingsFileState::Complete, Values(16744576, 8, 2),
         WorkedExample},
        {"missing", std::nullopt, SettingsFileState::Missing, SettingsValues{}, WorkedExample},
        {"one line", " 255 \n", SettingsFileState::Repaired, Values(255, 8, 2),
         " 255 \r\n 8 \r\n 2 \r\n"},
        {"empty", "", SettingsFileState::Repaired, SettingsValues{}, WorkedExample},
        {"words", "light blue\r\nchess\r\neasy\r\n", SettingsFileState::Repaired, SettingsValues{},
         WorkedExample},
        {"zero bytes", std::string("\0\0\0\n\0", 5), SettingsFileState::Repaired, SettingsValues{},
         WorkedExample},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const SettingsFile file(folder.Path() / "not-yet" / "Settings.txt");
        if (c.content) {
            WriteBytes(file.Path(), *c.content);
        }
        const SettingsReadResult read = file.Load();
        EXPECT_EQ(read.State, c.state) << c.what;
        EXPECT_EQ(read.Values, c.values) << c.what;
        const FileOutcome written = file.Save(read.Values);
        ASSERT_TRUE(written.Ok) << c.what << ": " << written.Problem;
        EXPECT_EQ(ReadBytes(file.Path()), c.saved) << c.what;
        EXPECT_EQ(EntriesOf(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});
    }
    // A first line going on far beyond what is read: its start alone looks like a number.
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), " 255" + std::string(100000, ' ') + "x\r\n 1 \r\n 1 \r\n");
    const SettingsReadResult read = file.Load();
    EXPECT_EQ(read.State, SettingsFileState::Repaired);
    EXPECT_EQ(read.Values.BackgroundColor, SettingsValues::DefaultBackgroundColor);
}

TEST(SettingsFile, AFolderInPlaceOfTheFileOrAFileInPlaceOfTheFolderIsKept) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    fs::create_directories(file.Path());
    const SettingsReadResult read = file.Load();
    EXPECT_EQ(read.State, SettingsFileState::Unreadable);
    EXPECT_EQ(read.Values, SettingsValues{});
    const FileOutcome written = file.Save(read.Values);
    EXPECT_FALSE(written.Ok);
    EXPECT_NE(written.Problem.find(file.Path().string()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(file.Path()));
    EXPECT_EQ(EntriesOf(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});

    TempFolder other;
    WriteBytes(other.Path() / "Settings", "not a folder");
    const SettingsFile blocked(SettingsFile::PathIn(other.Path()));
    EXPECT_EQ(blocked.Load().Values, SettingsValues{});
    EXPECT_FALSE(blocked.Save(Values(1, 2, 3)).Ok);
    EXPECT_EQ(ReadBytes(other.Path() / "Settings"), "not a folder");
}

TEST(SettingsFile, ReadOnlyFolderOrUnreadableFileIsReportedAndKeptAsItWas) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), WorkedExample);
    fs::permissions(file.Path().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        return !file.Save(Values(1, 2, 3)).Ok && ReadBytes(file.Path()) == WorkedExample;
    }));

    fs::permissions(file.Path().parent_path(), fs::perms::owner_all);
    fs::permissions(file.Path(), fs::perms::none);
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        const SettingsReadResult read = file.Load();
        return read.State == SettingsFileState::Unreadable &&
               read.Problem.find(file.Path().string()) != std::string::npos &&
               !file.Save(read.Values).Ok;
    }));
    EXPECT_EQ(fs::status(file.Path()).permissions(), fs::perms::none);
}

// Lowers the largest file size this process may write, so that any write fails even
// for root; the signal that would end the process is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(SettingsFile, FailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), WorkedExample);
    FileOutcome written;
    {
        const FileSizeLimit limit(5);
        written = file.Save(Values(-2147483647, 7, 3));
    }
    EXPECT_EQ(written.Error, std::errc::file_too_large);
    EXPECT_EQ(ReadBytes(file.Path()), WorkedExample);
    EXPECT_EQ(EntriesOf(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});
}

TEST(SettingsFile, ShippedDefaultFileHoldsTheDefaultsInTheExactFormat) {
    const SettingsFile shipped(SettingsFile::PathIn(fs::path(LEXABIT_SOURCE_DIR) / "data"));
    EXPECT_EQ(ReadBytes(shipped.Path()), FormatSettings(SettingsValues{}));
    EXPECT_EQ(shipped.Load().State, SettingsFileState::Complete);
}

} // namespace
} // namespace lexabit
