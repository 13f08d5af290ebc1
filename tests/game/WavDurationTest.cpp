#include "game/WavDuration.h"

#include "game/SoundTable.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace lexabit {
namespace {

using std::chrono::milliseconds;

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

// A file with `samples` samples of silence at 44.1 kHz.
std::string SilentWav(std::uint32_t samples) {
    return Riff(FormatChunk(44100) + Chunk("data", std::string(samples * 2, '\0')));
}

class TempFile {
public:
    explicit TempFile(const std::string& contents)
        : path_(
              std::filesystem::temp_directory_path() /
              ("lexabit-wav-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".wav")) {
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

TEST(WavDuration, DataBytesOverTheByteRate) {
    const std::string wav = SilentWav(22050);
    EXPECT_EQ(WavDurationFromHeader(wav, wav.size()), milliseconds(500));
}

TEST(WavDuration, PartOfAMillisecondCountsAsAWholeOne) {
    const std::string wav = SilentWav(45);
    EXPECT_EQ(WavDurationFromHeader(wav, wav.size()), milliseconds(2));
}

TEST(WavDuration, ChunksBeforeTheDataAreSkippedPaddingIncluded) {
    const std::string list = "LIST" + LittleEndian(3, 4) + "abc" + std::string(1, '\0');
    const std::string wav =
        Riff(FormatChunk(8000) + list + Chunk("data", std::string(16000, '\0')));
    EXPECT_EQ(WavDurationFromHeader(wav, wav.size()), milliseconds(1000));
}

TEST(WavDuration, IncompleteCutShortOrForeignHeaderHasNoDuration) {
    const std::string wav = SilentWav(100);
    EXPECT_EQ(WavDurationFromHeader(wav.substr(0, 30), 30), std::nullopt); // inside "fmt "
    EXPECT_EQ(WavDurationFromHeader(wav.substr(0, 40), 40), std::nullopt); // before "data"
    EXPECT_EQ(WavDurationFromHeader("", 0), std::nullopt);
    // Sound data cut short of what the header claims would keep the audio layer waiting.
    const std::string cut = wav.substr(0, wav.size() - 1);
    EXPECT_EQ(WavDurationFromHeader(cut, cut.size()), std::nullopt);
    std::string notWave = wav;
    notWave.replace(8, 4, "AVI ");
    EXPECT_EQ(WavDurationFromHeader(notWave, notWave.size()), std::nullopt);
    const std::string noFormat = Riff(Chunk("data", std::string(100, '\0')));
    EXPECT_EQ(WavDurationFromHeader(noFormat, noFormat.size()), std::nullopt);
    const std::string zeroRate = Riff(FormatChunk(0) + Chunk("data", std::string(100, '\0')));
    EXPECT_EQ(WavDurationFromHeader(zeroRate, zeroRate.size()), std::nullopt);
    std::string slowBytes = wav; // one byte a second at 44.1 kHz
    slowBytes.replace(28, 4, LittleEndian(1, 4));
    EXPECT_EQ(WavDurationFromHeader(slowBytes, slowBytes.size()), std::nullopt);
}

TEST(WavFileDuration, ReadsAFileAndReportsNothingForAMissingOrTruncatedOne) {
    const TempFile whole(SilentWav(4410));
    EXPECT_EQ(WavFileDuration(whole.path()), milliseconds(100));
    const TempFile truncated(SilentWav(4410).substr(0, 20));
    EXPECT_EQ(WavFileDuration(truncated.path()), std::nullopt);
    EXPECT_EQ(WavFileDuration(whole.path().string() + ".missing"), std::nullopt);
}

TEST(GameSounds, ShippedFilesAreShortAndTheDealSoundShorterStill) {
    const std::filesystem::path folder = std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";
    for (const char* name : {"DrawCard", "DrawStack", "InitAnimation", "Stack", "Shuffle"}) {
        const auto duration = WavFileDuration(folder / FindGameSound(name)->File);
        ASSERT_TRUE(duration.has_value()) << name;
        EXPECT_GE(*duration, milliseconds(30)) << name;
        EXPECT_LT(*duration, milliseconds(450)) << name;
    }
    // Every card dealt onto a column waits for this sound, five of them after each word.
    EXPECT_LE(*WavFileDuration(folder / FindGameSound("InitAnimation")->File), milliseconds(60));
    const auto applause = WavFileDuration(folder / FindGameSound("Applause")->File);
    ASSERT_TRUE(applause.has_value());
    EXPECT_LE(*applause, milliseconds(3000));
}

TEST(GameSounds, NamesMatchExactlyAndTheDealWaitsForItsSound) {
    const auto initAnimation = FindGameSound("InitAnimation");
    const auto drawStack = FindGameSound("DrawStack");
    ASSERT_TRUE(initAnimation && drawStack);
    EXPECT_EQ(initAnimation->File, drawStack->File);
    EXPECT_EQ(initAnimation->Playback, SoundPlayback::Synchronous);
    EXPECT_EQ(drawStack->Playback, SoundPlayback::Asynchronous);
    EXPECT_EQ(FindGameSound("DrawCard")->File, "sounds/turn.wav");
    EXPECT_EQ(FindGameSound("Shuffle")->Playback, SoundPlayback::Synchronous);
    EXPECT_FALSE(FindGameSound("drawcard").has_value());
    EXPECT_FALSE(FindGameSound("Fanfare").has_value());
}

} // namespace
} // namespace lexabit
