#pragma once

// The game's sounds: which file plays for each sound name, and how long a WAV file lasts.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace lexabit {

enum class SoundPlayback {
    Synchronous,  // the game waits until the sound has finished
    Asynchronous, // the game goes on while it plays
};

struct GameSound {
    std::string_view File; // under the program's folder
    SoundPlayback Playback;
};

// The file and the playback of one of the game's sound names. Names are matched exactly,
// letter case included; any other name has no sound.
std::optional<GameSound> FindGameSound(std::string_view name);

// The game waits no longer than this for a synchronous sound, whatever its header says:
// the longest sound the game waits for lasts under half a second.
inline constexpr std::chrono::milliseconds LongestSoundWait{1000};

// How long a WAV file plays, read from its RIFF header: the bytes of its first chunks and
// the file's whole size. Nothing when the header is not a complete PCM-style WAV header,
// when its byte rate disagrees with its sample rate, or when the file holds less sound
// data than the header claims: such a file is not to be played.
std::optional<std::chrono::milliseconds> WavDurationFromHeader(std::string_view header,
                                                               std::uintmax_t fileSize);

// The same for a file on disk; nothing when it is missing, unreadable or not an ordinary file.
std::optional<std::chrono::milliseconds> WavFileDuration(const std::filesystem::path& file);

} // namespace lexabit
