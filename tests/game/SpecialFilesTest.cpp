#include "TempFolder.h"
#include "game/files/FileRead.h"
#include "game/files/Highscore.h"
#include "game/files/Settings.h"
#include "game/files/Sounds.h"
#include "game/words/Dictionary.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lexabit {
namespace {

namespace fs = std::filesystem;

FinishedGame GameOfAnn() {
    FinishedGame game;
    game.PlayerName = "Ann";
    return game;
}

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
};

class SpecialFilesTest : public ::testing::TestWithParam<SpecialFile> {
protected:
    void SetUp() override { ::alarm(20); }
    void TearDown() override { ::alarm(0); }

    fs::path MakeSpecial(const fs::path& at) const {
        fs::create_directories(at.parent_path());
        fs::remove(at);
        GetParam().Make(at);
        return at;
    }

    testing::TempProgramFolder program;
};

TEST_P(SpecialFilesTest, EveryReaderCallsItUnreadableAndNoWriterReplacesIt) {
    Dictionary dictionary(program);
    MakeSpecial(dictionary.WordListPath());
    EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Unreadable);

    Highscore scores(MakeSpecial(program.Path() / "highscore" / "highscore.dat"));
    const FileOutcome read = scores.GetScores();
    EXPECT_NE(read.Problem.find(scores.FilePath().string()), std::string::npos) << read.Problem;
    EXPECT_FALSE(scores.AddScore(50, GameOfAnn()).Ok);
    EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(scores.FilePath())));
    EXPECT_EQ(scores.Table().size(), 1U); // the window can still show the result

    const SettingsFile settings(MakeSpecial(SettingsFile::PathIn(program.Path())));
    const SettingsReadResult loaded = settings.Load();
    EXPECT_EQ(loaded.State, SettingsFileState::Unreadable);
    EXPECT_EQ(loaded.Values, SettingsValues{});
    EXPECT_NE(loaded.Problem.find(settings.Path().string()), std::string::npos) << loaded.Problem;
    EXPECT_FALSE(settings.Save(loaded.Values).Ok);
    EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(settings.Path())));

    EXPECT_EQ(WavFileDuration(MakeSpecial(program.Path() / "sounds" / "Draw.wav")), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFilesTest, ::testing::ValuesIn(SpecialFiles),
                         [](const auto& info) {
                             std::string name = info.param.Kind;
                             std::erase_if(name, [](char c) { return !std::isalnum(c); });
                             return name;
                         });

TEST(OversizedFiles, AWordListLineNoListHasIsUnreadableAndAHugeTableIsKept) {
    testing::TempProgramFolder program;
    program.WriteWordList(std::string(MaxWordListLineBytes + 1, 'x') + "\r\ncat\r\n");
    EXPECT_EQ(Dictionary(program).CheckWord("CAT"), WordLookup::Unreadable);

    const fs::path table = program.Path() / "highscore.dat";
    const std::string huge(MaxRecordFileBytes + 1, '\n');
    testing::WriteBytes(table, huge);
    Highscore scores(table);
    EXPECT_FALSE(scores.AddScore(50, GameOfAnn()).Ok);
    EXPECT_EQ(testing::ReadBytes(table), huge);
}

} // namespace
} // namespace lexabit
