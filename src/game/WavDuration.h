#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace lexabit {

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
