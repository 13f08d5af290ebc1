#include "game/files/Sounds.h"

#include <cstdint>
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

// The data bytes over the byte rate, rounded up; nothing for a header that is cut short,
// foreign, or claims more sound data than follows (the audio layer would wait for it).
TEST(WavDuration, IsTheDataBytesOverTheByteRateRoundedUpForAWholeHeaderOnly) {
    const std::string silence(200, '\0');
    const std::string wav = Riff(FormatChunk(44100) + Chunk("data", silence)); // 2.27 ms
    std::string notWave = wav;
    notWave.replace(8, 4, "AVI ");
    std::string slowBytes = wav; // one byte a second at 44.1 kHz
    slowBytes.replace(28, 4, LittleEndian(1, 4));
    const std::string list = "LIST" + LittleEndian(3, 4) + "abc" + std::string(1, '\0');
    const std::pair<std::string, std::optional<milliseconds>> cases[] = {
        {wav, milliseconds(3)},
        {Riff(FormatChunk(8000) + list + Chunk("data", std::string(16000, '\0'))),
         milliseconds(1000)}, // chunks before the data are skipped, padding included
        {wav.substr(0, 30), {}},
        {wav.substr(0, 32), {}}, // a format chunk holding 12 of the 16 bytes it claims
        {wav.substr(0, wav.size() - 1), {}},
        {notWave, {}},
        {Riff(Chunk("data", silence)), {}},
        {Riff(FormatChunk(0) + Chunk("data", silence)), {}},
        {slowBytes, {}},
    };
    for (const auto& [header, duration] : cases) {
        EXPECT_EQ(WavDurationFromHeader(header, header.size()), duration) << header.size();
    }
}

} // namespace
} // namespace lexabit
