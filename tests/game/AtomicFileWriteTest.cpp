#include "game/files/AtomicFileWrite.h"

#include "TempFolder.h"

#include <chrono>
#include <gtest/gtest.h>

namespace lexabit {
namespace {

using testing::Listing;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// A file its owner may not write is kept; only the leftovers of earlier saves of that file
// are removed. The game may reach its file through a link: the link stays, and the file it
// points to receives the new content and keeps its permissions.
TEST(AtomicFileWrite, KeepsWhatItMayNotWriteRemovesItsLeftoversAndReplacesThroughALink) {
    TempFolder folder;
    for (const auto mode : {std::filesystem::perms::owner_read, std::filesystem::perms::none}) {
        const auto file = folder / "settings.txt";
        WriteBytes(file, "kept");
        std::filesystem::permissions(file, mode);
        const FileOutcome outcome = WriteFileAtomically(file, "new");
        EXPECT_EQ(outcome.Error, std::errc::permission_denied);
        EXPECT_EQ(std::filesystem::status(file).permissions(), mode);
        std::filesystem::permissions(file, std::filesystem::perms::owner_read);
        EXPECT_EQ(ReadBytes(file), "kept");
        std::filesystem::remove(file);
    }

    const auto file = folder / "scores.dat";
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".scores.dat.a1B2c3", ".scores.dat.lock", ".other.dat.a1B2c3",
                             "scores.dat", ".scores.dat.young1"}) {
        WriteBytes(folder / name, "x");
        if (std::string(name) != ".scores.dat.young1") {
            std::filesystem::last_write_time(folder / name, old);
        }
    }
    RemoveStaleTemporaryFiles(file, std::chrono::minutes(10));
    EXPECT_EQ(Listing(folder.Path()),
              (std::vector<std::string>{".other.dat.a1B2c3", ".scores.dat.lock",
                                        ".scores.dat.young1", "scores.dat"}))
        << "leftovers";

    SCOPED_TRACE("through a link");
    const auto shared = folder / "shared" / "scores.dat";
    WriteBytes(shared, "an older and much longer content");
    using std::filesystem::perms;
    const perms sharedWithGroup = perms::owner_read | perms::owner_write | perms::group_read;
    std::filesystem::permissions(shared, sharedWithGroup);
    std::filesystem::create_directory(folder / "game");
    const auto link = folder / "game" / "scores.dat";
    std::filesystem::create_symlink("../shared/scores.dat", link);

    const FileOutcome outcome = WriteFileAtomically(link, "new\r\n");
    ASSERT_TRUE(outcome.Ok) << outcome.Problem;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadBytes(shared), "new\r\n");
    EXPECT_EQ(std::filesystem::status(shared).permissions(), sharedWithGroup);
    EXPECT_EQ(Listing(folder / "shared"), std::vector<std::string>{"scores.dat"});
}

} // namespace
} // namespace lexabit
