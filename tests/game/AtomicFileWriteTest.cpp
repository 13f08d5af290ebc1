#include "game/AtomicFileWrite.h"

#include "TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lexabit {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> FolderListing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicFileWrite, ReplacesTheWholeContentAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const auto file = folder / "scores.dat";
    WriteBytes(file, "an older and much longer content");
    const FileWriteResult outcome = WriteFileAtomically(file, "new\r\n");
    ASSERT_TRUE(outcome.Succeeded()) << outcome.Message();
    EXPECT_EQ(ReadBytes(file), "new\r\n");
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"scores.dat"});
}

TEST(AtomicFileWrite, AFolderInPlaceOfTheFileIsReportedAndNothingIsLeftBehind) {
    TempFolder folder;
    const auto file = folder / "scores.dat";
    std::filesystem::create_directory(file);
    const FileWriteResult outcome = WriteFileAtomically(file, "x");
    EXPECT_FALSE(outcome.Succeeded());
    EXPECT_NE(outcome.Message().find(file.string()), std::string::npos) << outcome.Message();
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"scores.dat"});
}

} // namespace
} // namespace lexabit
