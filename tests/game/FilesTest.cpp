#include "TempFolder.h"
#include "game/files/FileRead.h"
#include "game/files/Highscore.h"
#include "game/files/Settings.h"
#include "game/files/Sounds.h"
#include "game/model/Texts.h"
#include "game/words/Dictionary.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lexabit {
namespace {

using std::chrono::milliseconds;
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

// What can stand where the game expects one of its files; a reader stuck on the pipe or the
// endless device is ended by the test's alarm rather than hanging.
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

std::string LittleEndian(std::uint32_t value, int bytes) {
    std::string text;
    for (int k = 0; k < bytes; ++k) {
        text += static_cast<char>((value >> (8 * k)) & 0xFFU);
    }
    return text;
}

std::string Chunk(const std::string& id, const std::string& body) {
    return id + LittleEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

// A mono 16-bit format chunk at the given sample rate.
std::string FormatChunk(std::uint32_t rate) {
    return Chunk("fmt ", LittleEndian(1, 2) + LittleEndian(1, 2) + LittleEndian(rate, 4) +
                             LittleEndian(rate * 2, 4) + LittleEndian(2, 2) + LittleEndian(16, 2));
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + LittleEndian(static_cast<std::uint32_t>(4 + chunks.size()), 4) + "WAVE" +
           chunks;
}

// Nothing for a header cut short, foreign, or claiming more data than follows (playing it waits).
TEST(WavDuration, IsTheDataBytesOverTheByteRateRoundedUpForAWholeHeaderOnly) {
    const std::string silence(200, '\0');
    const std::string wav = Riff(FormatChunk(44100) + Chunk("data", silence)); // 2.27 ms
    std::string notWave = wav;
    notWave.replace(8, 4, "AVI ");
    std::string slowBytes = wav; // one byte a second at 44.1 kHz
    slowBytes.replace(28, 4, LittleEndian(1, 4));
    const std::string list = "LIST" + LittleEndian(3, 4) + "abc" + std::string(1, '\0');
    // clang-format off
    const std::pair<std::string, std::optional<milliseconds>> cases[] = {
        {wav, milliseconds(3)}, // and chunks before the data skipped, padding included:
        {Riff(FormatChunk(8000) + list + Chunk("data", std::string(16000, '\0'))), milliseconds(1000)},
        {wav.substr(0, 30), {}}, {wav.substr(0, 32), {}}, {wav.substr(0, wav.size() - 1), {}}, // 32: 12 of 16 format bytes
        {notWave, {}}, {Riff(Chunk("data", silence)), {}}, {slowBytes, {}}, {Riff(FormatChunk(0) + Chunk("data", silence)), {}},
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
