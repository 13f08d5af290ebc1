#include "game/SettingsFile.h"

#include "game/AtomicFileWrite.h"
#include "game/RegularFileRead.h"
#include "game/SettingsText.h"

#include <string>

namespace lexabit {
namespace {

// The three lines take a few dozen bytes; reading stops long before a stray large
// file could cost anything.
constexpr std::size_t ReadLimit = 4096;

} // namespace

std::filesystem::path SettingsFile::PathIn(const std::filesystem::path& baseFolder) {
    return baseFolder / "Settings" / "Settings.txt";
}

SettingsReadResult SettingsFile::Load() const {
    FileBytes read = ReadFileStart(file_, ReadLimit);
    if (read.Result == FileBytes::Status::Missing) {
        return {SettingsValues{}, SettingsFileState::Missing, {}};
    }
    if (read.Result == FileBytes::Status::Unreadable) {
        return {SettingsValues{}, SettingsFileState::Unreadable,
                "Could not read the settings file " + file_.string() + ": " + read.Problem +
                    ". The game starts with its usual settings."};
    }
    std::string& text = read.Bytes;
    if (read.CutShort) {
        // Cut off the line the limit split, so that it cannot read as a shorter number.
        const std::size_t lastBreak = text.find_last_of("\r\n");
        text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    const ParsedSettings parsed = ParseSettings(text);
    return {parsed.Values,
            parsed.Complete ? SettingsFileState::Complete : SettingsFileState::Repaired,
            {}};
}

FileWriteResult SettingsFile::Save(const SettingsValues& values) const {
    return WriteFileAtomically(file_, FormatSettings(values));
}

} // namespace lexabit
