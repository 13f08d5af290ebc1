#pragma once

#include "game/FileWriteResult.h"

#include <filesystem>

namespace lexabit {

// Whether the missed words open after every game, kept in Settings/MissedWords.txt
// beside the settings file: one line, "1" to show them or "0" not to. A file that is
// missing or says anything else shows them.
class MissedWordsChoice {
public:
    explicit MissedWordsChoice(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    bool ShowAfterEveryGame() const;
    // Replaces the file whole, or leaves it as it was.
    FileWriteResult Save(bool showAfterEveryGame) const;

private:
    std::filesystem::path file_;
};

} // namespace lexabit
