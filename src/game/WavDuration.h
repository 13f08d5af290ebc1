#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace lexabit {

// How long a WAV file plays, read from its RIFF header: the bytes of its first chunks and
// the file's whole size. A data chunk that claims more bytes than the file holds plays only
// what is there. Nothing when the header is not a complete PCM-style WAV header.
std::optional<std::chrono::milliseconds> WavDurationFromHeader(std::string_view header,
                                                               std::uintmax_t fileSize);

// The same for a file on disk; nothing when it is missing or unreadable.
std::optional<std::chrono::milliseconds> WavFileDuration(const std::filesystem::path& file);

} // namespace lexabit
