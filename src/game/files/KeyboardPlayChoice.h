#pragma once

// Whether the game is played by keyboard, kept in a file of its own beside the settings.

#include "game/files/AtomicFileWrite.h"

#include <filesystem>
#include <string>

namespace lexabit {

struct KeyboardPlayRead {
    bool On = false;
    // For a file that could not be read or says neither "0" nor "1", a sentence the window
    // shows the player; the file itself is left as it is until the player chooses again.
    std::string Problem;
};

// Settings/KeyboardPlay.txt: one line, "1" for keyboard play or "0" for the mouse alone.
// Without the file keyboard play is off.
class KeyboardPlayChoice {
public:
    explicit KeyboardPlayChoice(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& Path() const { return file_; }

    KeyboardPlayRead Load() const;
    // Replaces the file whole, or leaves it as it was.
    FileOutcome Save(bool on) const;

private:
    std::filesystem::path file_;
};

} // namespace lexabit
