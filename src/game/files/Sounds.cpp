#include "game/files/Sounds.h"

#include "game/files/FileRead.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace lexabit {

std::optional<GameSound> FindGameSound(std::string_view name) {
    using enum SoundPlayback;
    static constexpr std::array<std::pair<std::string_view, GameSound>, 6> Sounds{{
        {"Stack", {"sounds/stack.wav", Synchronous}},
        {"Shuffle", {"sounds/shuffle.wav", Synchronous}},
        {"DrawCard", {"sounds/turn.wav", Asynchronous}},
        {"DrawStack", {"sounds/Draw.wav", Asynchronous}},
        {"InitAnimation", {"sounds/Draw.wav", Synchronous}},
        {"Applause", {"sounds/applause.wav", Asynchronous}},
    }};
    for (const auto& [soundName, sound] : Sounds) {
        if (soundName == name) {
            return sound;
        }
    }
    return std::nullopt;
}

namespace {

// Chunks before the sound data are small; a header larger than this is not read further.
constexpr std::size_t HeaderBytesRead = std::size_t{64} * 1024;

// The format tag of plain PCM samples.
constexpr std::uint32_t PlainSamplesFormat = 1;

// Where the fields the duration needs sit in a format chunk, and the bytes they take up.
constexpr std::size_t FormatTagAt = 0;
constexpr std::size_t SampleRateAt = 4;
constexpr std::size_t ByteRateAt = 8;
constexpr std::size_t BlockAlignAt = 12;
constexpr std::size_t FormatFieldsEnd = BlockAlignAt + 2;

std::uint32_t LittleEndian16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

std::uint32_t LittleEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + k])) << (8 * k);
    }
    return value;
}

struct Chunk {
    std::string_view Id;
    std::uint64_t Size = 0;
    std::size_t Body = 0; // where its contents start in the file
};

std::optional<Chunk> ChunkAt(std::string_view header, std::size_t at) {
    if (at + 8 > header.size()) {
        return std::nullopt;
    }
    return Chunk{header.substr(at, 4), LittleEndian32(header, at + 4), at + 8};
}

} // namespace

std::optional<std::chrono::milliseconds> WavDurationFromHeader(std::string_view header,
                                                               std::uintmax_t fileSize) {
    if (header.size() < 12 || header.substr(0, 4) != "RIFF" || header.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<std::uint32_t> bytesPerSecond;
    std::size_t at = 12;
    while (const std::optional<Chunk> chunk = ChunkAt(header, at)) {
        if (chunk->Id == "fmt ") {
            // Every field read must lie within the bytes read: a chunk may claim more than
            // the file holds.
            if (chunk->Size < 16 || chunk->Body + FormatFieldsEnd > header.size()) {
                return std::nullopt;
            }
            const std::uint32_t sampleRate = LittleEndian32(header, chunk->Body + SampleRateAt);
            bytesPerSecond = LittleEndian32(header, chunk->Body + ByteRateAt);
            // Plain samples come at a fixed rate; a byte rate that disagrees with it is a
            // damaged header, whatever the file would sound like.
            if (LittleEndian16(header, chunk->Body + FormatTagAt) == PlainSamplesFormat &&
                *bytesPerSecond != std::uint64_t{sampleRate} *
                                       LittleEndian16(header, chunk->Body + BlockAlignAt)) {
                return std::nullopt;
            }
        } else if (chunk->Id == "data") {
            // A file cut short of the data its header claims is damaged: the audio layer
            // would wait for the missing bytes for ever.
            if (!bytesPerSecond || *bytesPerSecond == 0 || fileSize < chunk->Body ||
                fileSize - chunk->Body < chunk->Size) {
                return std::nullopt;
            }
            const double seconds = static_cast<double>(chunk->Size) / *bytesPerSecond;
            return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
        }
        // Chunks are padded to an even length.
        at = chunk->Body + static_cast<std::size_t>(chunk->Size + (chunk->Size & 1U));
    }
    return std::nullopt;
}

std::optional<std::chrono::milliseconds> WavFileDuration(const std::filesystem::path& file) {
    ReadableFile in(file);
    if (!in.IsOpen()) {
        return std::nullopt;
    }
    std::string header(std::min<std::uintmax_t>(in.Size(), HeaderBytesRead), '\0');
    std::size_t filled = 0;
    while (filled < header.size()) {
        const long read = in.Read(header.data() + filled, header.size() - filled);
        if (read <= 0) {
            break;
        }
        filled += static_cast<std::size_t>(read);
    }
    header.resize(filled);
    return WavDurationFromHeader(header, in.Size());
}

} // namespace lexabit
