#pragma once

#include "game/FileWriteResult.h"
#include "game/SettingsValues.h"

#include <filesystem>
#include <string>

namespace lexabit {

// What reading the settings file found.
enum class SettingsFileState {
    Complete,   // three usable numbers
    Repaired,   // read, but some values were missing or unusable and took their defaults
    Missing,    // no file (or no folder): every value is a default
    Unreadable, // the file could not be read (a folder in its place, no permission)
};

struct SettingsReadResult {
    SettingsValues Values;
    SettingsFileState State = SettingsFileState::Missing;
    // For an unreadable file, a sentence the window shows the player.
    std::string Problem;
};

// The settings file Settings/Settings.txt. Where it lives is decided by the caller.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path file) : file_(std::move(file)) {}

    // The settings file under a base folder: base/Settings/Settings.txt.
    static std::filesystem::path PathIn(const std::filesystem::path& baseFolder);

    const std::filesystem::path& Path() const { return file_; }

    // Never fails: whatever cannot be read takes its default, and the state says why.
    SettingsReadResult Load() const;

    // Writes all three values, creating the folder when needed. The old file is
    // replaced whole or stays as it was.
    FileWriteResult Save(const SettingsValues& values) const;

private:
    std::filesystem::path file_;
};

} // namespace lexabit
