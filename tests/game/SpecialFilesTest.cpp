#include "TempFolder.h"
#include "game/files/FileRead.h"
#include "game/files/Highscore.h"
#include "game/files/Settings.h"
#include "game/files/Sounds.h"
#include "game/words/Dictionary.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexabit {
namespace {

namespace fs = std::filesystem;

const FinishedGame GameOfAnn{.PlayerName = "Ann", .PlayingTime = {}, .Rating = {}};

// What can stand where the game expects one of its files. A reader that waits on the
// pipe or reads the device to its (missing) end never returns; the alarm then ends the
// whole test program rather than letting it hang.
struct SpecialFile {
    const char* Kind;
    std::function<void(const fs::path&)> Make;
};

const SpecialFile SpecialFiles[] = {
    {"named pipe", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0644), 0); }},
    {"link to /dev/zero", [](const fs::path& at) { fs::create_symlink("/dev/zero", at); }},
    {"folder", [](const fs::path& at) { fs::create_directory(at); }},
    {"link another user made",
     [](const fs::path& at) { // to a file of the player's
         testing::WriteBytes(at.string() + ".own", "the player's own");
         fs::create_symlink(at.string() + ".own", at);
         ASSERT_EQ(::lchown(at.c_str(), 1, 1), 0); // as daemon
     }},
};

TEST(SpecialFiles, EveryReaderCallsItUnreadableAndNoWriterReplacesIt) {
    ::alarm(20);
    for (const SpecialFile& special : SpecialFiles) {
        SCOPED_TRACE(special.Kind);
        if (&special == &SpecialFiles[3] && ::geteuid() != 0) {
            continue; // only root can make a link as another user
        }
        const testing::TempProgramFolder program;
        const auto make = [&special](const fs::path& at) {
            fs::create_directories(at.parent_path());
            fs::remove(at);
            special.Make(at);
            return at;
        };
        Dictionary dictionary(program);
        make(dictionary.WordListPath());
        EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Unreadable);

        Highscore scores(make(program.Path() / "highscore" / "highscore.dat"));
        const FileOutcome read = scores.GetScores();
        EXPECT_NE(read.Problem.find(scores.FilePath().string()), std::string::npos) << read.Problem;
        EXPECT_FALSE(scores.AddScore(50, GameOfAnn).Ok);
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(scores.FilePath())));
        EXPECT_EQ(scores.Table().size(), 1U); // the window can still show the result

        const SettingsFile settings(make(SettingsFile::PathIn(program.Path())));
        const SettingsReadResult loaded = settings.Load();
        EXPECT_EQ(loaded.State, SettingsFileState::Unreadable);
        EXPECT_EQ(loaded.Values, SettingsValues{});
        EXPECT_NE(loaded.Problem.find(settings.Path().string()), std::string::npos)
            << loaded.Problem;
        EXPECT_FALSE(settings.Save(loaded.Values).Ok);
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(settings.Path())));

        EXPECT_EQ(WavFileDuration(make(program.Path() / "sounds" / "Draw.wav")), std::nullopt);
        EXPECT_FALSE(MissedWordsChoice(make(program.Path() / "MissedWords.txt")).Save(false).Ok);
    }
    ::alarm(0);
}

TEST(OversizedFiles, AWordListLineNoListHasIsUnreadableAndAHugeTableIsKept) {
    testing::TempProgramFolder program;
    program.WriteWordList(std::string(MaxWordListLineBytes + 1, 'x') + "\r\ncat\r\n");
    EXPECT_EQ(Dictionary(program).CheckWord("CAT"), WordLookup::Unreadable);

    const fs::path table = program.Path() / "highscore.dat";
    const std::string huge(MaxRecordFileBytes + 1, '\n');
    testing::WriteBytes(table, huge);
    Highscore scores(table);
    EXPECT_FALSE(scores.AddScore(50, GameOfAnn).Ok);
    EXPECT_EQ(testing::ReadBytes(table), huge);
}

} // namespace
} // namespace lexabit
