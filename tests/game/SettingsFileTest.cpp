#include "game/SettingsFile.h"

#include "TempFolder.h"
#include "game/SettingsText.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
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

TEST(SettingsFile, WorkedExampleRoundTripsByteForByte) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), WorkedExample);

    const SettingsReadResult read = file.Load();
    ASSERT_EQ(read.State, SettingsFileState::Complete);
    EXPECT_EQ(read.Values, Values(16744576, 8, 2));

    ASSERT_TRUE(file.Save(read.Values).Succeeded());
    EXPECT_EQ(ReadBytes(file.Path()), WorkedExample);
}

TEST(SettingsFile, SystemColourSurvivesSaveAndLoad) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    const SettingsValues saved = Values(static_cast<std::int32_t>(0x80000005U), 0, 3);
    ASSERT_TRUE(file.Save(saved).Succeeded());
    EXPECT_EQ(ReadBytes(file.Path()), "-2147483643 \r\n 0 \r\n 3 \r\n");
    EXPECT_EQ(file.Load().Values, saved);
}

TEST(SettingsFile, MissingFileOrFolderGivesDefaultsAndSaveCreatesThem) {
    TempFolder folder;
    const SettingsFile file(folder.Path() / "not-yet" / "Settings" / "Settings.txt");

    const SettingsReadResult read = file.Load();
    EXPECT_EQ(read.State, SettingsFileState::Missing);
    EXPECT_EQ(read.Values, SettingsValues{});

    const FileWriteResult written = file.Save(read.Values);
    ASSERT_TRUE(written.Succeeded()) << written.Message();
    EXPECT_EQ(ReadBytes(file.Path()), WorkedExample);
}

TEST(SettingsFile, IncompleteFileIsRepairedOnReadAndWrittenWholeOnSave) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), " 255 \n");

    const SettingsReadResult read = file.Load();
    EXPECT_EQ(read.State, SettingsFileState::Repaired);
    EXPECT_EQ(read.Values, Values(255, 8, 2));

    ASSERT_TRUE(file.Save(read.Values).Succeeded());
    EXPECT_EQ(ReadBytes(file.Path()), " 255 \r\n 8 \r\n 2 \r\n");
}

TEST(SettingsFile, EmptyOrTextFileGivesDefaults) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    const std::string zeroBytes{"\0\0\0\n\0", 5};
    for (const std::string& content :
         {std::string(), std::string("light blue\r\nchess\r\neasy\r\n"), zeroBytes}) {
        WriteBytes(file.Path(), content);
        const SettingsReadResult read = file.Load();
        EXPECT_EQ(read.State, SettingsFileState::Repaired) << content;
        EXPECT_EQ(read.Values, SettingsValues{}) << content;
    }
}

TEST(SettingsFile, VeryLongFirstLineIsNotReadAsAShorterNumber) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    // The first line continues far beyond what is read; its start alone looks like a number.
    WriteBytes(file.Path(), " 255" + std::string(100000, ' ') + "x\r\n 1 \r\n 1 \r\n");
    const SettingsReadResult read = file.Load();
    EXPECT_EQ(read.State, SettingsFileState::Repaired);
    EXPECT_EQ(read.Values.BackgroundColor, SettingsValues::DefaultBackgroundColor);
}

TEST(SettingsFile, FolderInPlaceOfTheFileReadsAsDefaultsAndCannotBeSaved) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    fs::create_directories(file.Path());

    const SettingsReadResult read = file.Load();
    EXPECT_EQ(read.State, SettingsFileState::Unreadable);
    EXPECT_EQ(read.Values, SettingsValues{});

    const FileWriteResult written = file.Save(read.Values);
    EXPECT_FALSE(written.Succeeded());
    EXPECT_NE(written.Message().find(file.Path().string()), std::string::npos);
    EXPECT_TRUE(fs::is_directory(file.Path()));
    // No temporary file is left beside it.
    EXPECT_EQ(EntriesOf(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});
}

TEST(SettingsFile, FileInPlaceOfTheFolderCannotBeSaved) {
    TempFolder folder;
    WriteBytes(folder.Path() / "Settings", "not a folder");
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));

    EXPECT_EQ(file.Load().Values, SettingsValues{});
    const FileWriteResult written = file.Save(Values(1, 2, 3));
    EXPECT_FALSE(written.Succeeded());
    EXPECT_FALSE(written.Message().empty());
    EXPECT_EQ(ReadBytes(folder.Path() / "Settings"), "not a folder");
}

TEST(SettingsFile, ReadOnlyFolderOrUnreadableFileIsReportedAndKeptAsItWas) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), WorkedExample);
    fs::permissions(file.Path().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        return !file.Save(Values(1, 2, 3)).Succeeded() && ReadBytes(file.Path()) == WorkedExample;
    }));

    fs::permissions(file.Path().parent_path(), fs::perms::owner_all);
    fs::permissions(file.Path(), fs::perms::none);
    EXPECT_TRUE(testing::HoldsForAPlayer(folder.Path(), [&] {
        const SettingsReadResult read = file.Load();
        return read.State == SettingsFileState::Unreadable &&
               read.Problem.find(file.Path().string()) != std::string::npos &&
               !file.Save(read.Values).Succeeded();
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

    FileWriteResult written;
    {
        const FileSizeLimit limit(5);
        written = file.Save(Values(-2147483647, 7, 3));
    }
    EXPECT_FALSE(written.Succeeded());
    EXPECT_EQ(written.Error, std::errc::file_too_large);
    EXPECT_EQ(ReadBytes(file.Path()), WorkedExample);
    EXPECT_EQ(EntriesOf(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});
}

TEST(SettingsFile, SaveReplacesTheOldContentWhole) {
    TempFolder folder;
    const SettingsFile file(SettingsFile::PathIn(folder.Path()));
    WriteBytes(file.Path(), " 1 \r\n 2 \r\n 3 \r\n and a long tail of old text\r\n");
    ASSERT_TRUE(file.Save(Values(32768, 5, 1)).Succeeded());
    EXPECT_EQ(ReadBytes(file.Path()), " 32768 \r\n 5 \r\n 1 \r\n");
    EXPECT_EQ(EntriesOf(file.Path().parent_path()), std::vector<std::string>{"Settings.txt"});
}

TEST(SettingsFile, ShippedDefaultFileHoldsTheDefaultsInTheExactFormat) {
    const SettingsFile shipped(SettingsFile::PathIn(fs::path(LEXABIT_SOURCE_DIR) / "data"));
    EXPECT_EQ(ReadBytes(shipped.Path()), FormatSettings(SettingsValues{}));
    EXPECT_EQ(shipped.Load().State, SettingsFileState::Complete);
}

} // namespace
} // namespace lexabit
