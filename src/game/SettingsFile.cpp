#include "game/SettingsFile.h"

#include "game/AtomicFileWrite.h"
#include "game/SettingsText.h"

#include <fstream>
#include <optional>
#include <string>

namespace lexabit {
namespace {

// The three lines take a few dozen bytes; reading stops long before a stray large
// file could cost anything.
constexpr std::streamsize ReadLimit = 4096;

std::optional<std::string> ReadStart(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(ReadLimit), '\0');
    in.read(text.data(), ReadLimit);
    if (in.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.peek() != std::ifstream::traits_type::eof()) {
        // Cut off the line the limit split, so that it cannot read as a shorter number.
        const std::size_t lastBreak = text.find_last_of("\r\n");
        text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    return text;
}

} // namespace

std::filesystem::path SettingsFile::PathIn(const std::filesystem::path& baseFolder) {
    return baseFolder / "Settings" / "Settings.txt";
}

SettingsReadResult SettingsFile::Load() const {
    std::error_code error;
    const bool present = std::filesystem::exists(file_, error);
    if (error) {
        return {SettingsValues{}, SettingsFileState::Unreadable};
    }
    if (!present) {
        return {SettingsValues{}, SettingsFileState::Missing};
    }
    const std::optional<std::string> text = ReadStart(file_);
    if (!text) {
        return {SettingsValues{}, SettingsFileState::Unreadable};
    }
    const ParsedSettings parsed = ParseSettings(*text);
    return {parsed.Values,
            parsed.Complete ? SettingsFileState::Complete : SettingsFileState::Repaired};
}

FileWriteResult SettingsFile::Save(const SettingsValues& values) const {
    return WriteFileAtomically(file_, FormatSettings(values));
}

} // namespace lexabit
