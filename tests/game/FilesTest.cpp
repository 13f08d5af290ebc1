#include "TempFolder.h"
#include "game/files/FileRead.h"
#include "game/files/Highscore.h"
#include "game/files/Settings.h"
#include "game/files/Sounds.h"
#include "game/model/Texts.h"
#include "game/words/Dictionary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lexabit {
namespace {

using std::chrono::milliseconds;
using namespace std::string_literals;
using namespace testing; // the fakes and helpers of the rules tests
namespace fs = std::filesystem;

// The file a link points to takes the new content and keeps its permissions.
TEST(AtomicFileWrite, KeepsWhatItMayNotWriteRemovesItsLeftoversAndReplacesThroughALink) {
    TempFolder folder;
    for (const auto mode : {fs::perms::owner_read, fs::perms::none}) {
        const auto file = folder / "settings.txt";
        WriteBytes(file, "kept");
        fs::permissions(file, mode);
        const FileOutcome outcome = WriteFileAtomically(file, "new");
        EXPECT_EQ(outcome.Error, std::errc::permission_denied);
        EXPECT_EQ(fs::status(file).permissions(), mode);
        fs::permissions(file, fs::perms::owner_read);
        EXPECT_EQ(ReadBytes(file), "kept");
        fs::remove(file);
    }

    const auto file = folder / "scores.dat";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".scores.dat.a1B2c3", ".scores.dat.lock", ".other.dat.a1B2c3",
                             "scores.dat", ".scores.dat.young1"}) {
        WriteBytes(folder / name, "x");
        fs::last_write_time(folder / name, old);
    }
    WriteBytes(folder / ".scores.dat.young1", "x"); // written just now: a save under way
    RemoveStaleTemporaryFiles(file, std::chrono::minutes(10));
    EXPECT_EQ(Listing(folder.Path()),
              (std::vector<std::string>{".other.dat.a1B2c3", ".scores.dat.lock",
                                        ".scores.dat.young1", "scores.dat"}))
        << "leftovers";

    SCOPED_TRACE("through a link");
    const auto shared = folder / "shared" / "scores.dat";
    WriteBytes(shared, "an older and much longer content");
    const fs::perms sharedWithGroup =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(shared, sharedWithGroup);
    fs::create_directory(folder / "game");
    const auto link = folder / "game" / "scores.dat";
    fs::create_symlink("../shared/scores.dat", link);

    const FileOutcome outcome = WriteFileAtomically(link, "new\r\n");
    ASSERT_TRUE(outcome.Ok) << outcome.Problem;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(shared), "new\r\n");
    EXPECT_EQ(fs::status(shared).permissions(), sharedWithGroup);
    EXPECT_EQ(Listing(folder / "shared"), std::vector<std::string>{"scores.dat"});
}

const FinishedGame GameOfAnn{.PlayerName = "Ann", .PlayingTime = {}, .Rating = {}};

// What can stand in for a file; a reader stuck on the pipe or /dev/zero is ended by the alarm.
const std::pair<const char*, std::function<void(const fs::path&)>> SpecialFiles[] = {
    {"named pipe", [](const fs::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0644), 0); }},
    {"link to /dev/zero", [](const fs::path& at) { fs::create_symlink("/dev/zero", at); }},
    {"folder", [](const fs::path& at) { fs::create_directory(at); }},
    {"link another user made",
     [](const fs::path& at) { // to a file of the player's
         WriteBytes(at.string() + ".own", "the player's own");
         fs::create_symlink(at.string() + ".own", at);
         ASSERT_EQ(::lchown(at.c_str(), 1, 1), 0); // as daemon
     }},
};

TEST(SpecialFiles, EveryReaderCallsItUnreadableAndNoWriterReplacesIt) {
    ::alarm(20);
    for (const auto& [kind, makeOne] : SpecialFiles) {
        SCOPED_TRACE(kind);
        if (kind == SpecialFiles[3].first && ::geteuid() != 0) {
            continue; // only root can make a link as another user
        }
        const TempProgramFolder program;
        const auto make = [&makeOne](const fs::path& at) {
            fs::create_directories(at.parent_path());
            fs::remove(at);
            makeOne(at);
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
        EXPECT_EQ(std::pair(loaded.State, loaded.Values),
                  std::pair(SettingsFileState::Unreadable, SettingsValues{}));
        EXPECT_FALSE(settings.Save(loaded.Values).Ok);
        EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(settings.Path())));

        EXPECT_EQ(WavFileDuration(make(program.Path() / "sounds" / "Draw.wav")), std::nullopt);
        EXPECT_FALSE(MissedWordsChoice(make(program.Path() / "MissedWords.txt")).Save(false).Ok);
    }
    ::alarm(0);
}

TEST(OversizedFiles, AWordListLineNoListHasIsUnreadableAndAHugeTableIsKept) {
    TempProgramFolder program;
    program.WriteWordList(std::string(MaxWordListLineBytes + 1, 'x') + "\r\ncat\r\n");
    EXPECT_EQ(Dictionary(program).CheckWord("CAT"), WordLookup::Unreadable);

    const fs::path table = program.Path() / "highscore.dat";
    const std::string huge(MaxRecordFileBytes + 1, '\n');
    WriteBytes(table, huge);
    Highscore scores(table);
    EXPECT_FALSE(scores.AddScore(50, GameOfAnn).Ok);
    EXPECT_EQ(ReadBytes(table), huge);
}

// Nothing for a header cut short, foreign, or claiming more data than follows (playing it waits).
TEST(WavDuration, IsTheDataBytesOverTheByteRateRoundedUpForAWholeHeaderOnly) {
    // Mono 16-bit at 44.1 kHz (88200 bytes a second), then 200 bytes of data: 2.27 ms.
    const std::string wav = "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x44\xAC\0\0\x88\x58\1\0"
                            "\2\0\x10\0data\xC8\0\0\0"s +
                            std::string(200, '\0');
    const auto changed = [&wav](std::size_t at, std::size_t length, const std::string& bytes) {
        return std::string(wav).replace(at, length, bytes);
    };
    // clang-format off
    const std::pair<std::string, std::optional<milliseconds>> cases[] = {
        {wav, milliseconds(3)}, // and at 8 kHz, a chunk before the data skipped, padding included:
        {wav.substr(0, 24) + "\x40\x1F\0\0\x80\x3E\0\0\2\0\x10\0LIST\3\0\0\0abc\0data\x80\x3E\0\0"s + std::string(16000, '\0'), milliseconds(1000)},
        {wav.substr(0, 30), {}}, {wav.substr(0, 32), {}}, {wav.substr(0, wav.size() - 1), {}}, // 32: 12 of 16 format bytes
        {changed(8, 4, "AVI "), {}}, {changed(12, 24, ""), {}}, {changed(28, 4, "\1\0\0\0"s), {}}, {changed(24, 8, std::string(8, '\0')), {}},
    };
    // clang-format on
    for (const auto& [header, duration] : cases) {
        EXPECT_EQ(WavDurationFromHeader(header, header.size()), duration) << header.size();
    }
}

class ShippedFolder final : public ProgramFolder {
public:
    fs::path Path() const override { return fs::path(LEXABIT_SOURCE_DIR) / "data"; }
};

TEST(ShippedData, TheWordListHelpAndSoundsLoad) {
    const ShippedFolder folder;
    const Dictionary dictionary(folder);
    EXPECT_GT(std::ranges::count(ReadBytes(dictionary.WordListPath()), '\n'), 100'000);
    EXPECT_EQ(dictionary.CheckWord("QUIZ"), WordLookup::Found);
    EXPECT_EQ(dictionary.CheckWord("KB"), WordLookup::NotFound);
    EXPECT_TRUE(fs::is_regular_file(product::HelpFilePath(folder.Path())));
    // Every card dealt onto a column waits for InitAnimation, five of them after each word.
    const std::pair<const char*, int> longest[] = {{"DrawCard", 450},     {"DrawStack", 450},
                                                   {"InitAnimation", 60}, {"Stack", 450},
                                                   {"Shuffle", 450},      {"Applause", 3000}};
    for (const auto& [name, most] : longest) {
        const auto duration = WavFileDuration(folder.Path() / FindGameSound(name)->File);
        ASSERT_TRUE(duration.has_value()) << name;
        EXPECT_GE(*duration, milliseconds(30)) << name;
        EXPECT_LE(*duration, milliseconds(most)) << name;
    }
}

} // namespace
} // namespace lexabit
