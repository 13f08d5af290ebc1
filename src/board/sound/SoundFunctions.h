#pragma once

#include <QString>
#include <string_view>

namespace lexabit {

class SoundOutput;

// Maps the game's sound names to their files beside the program and plays them.
class SoundFunctions {
public:
    SoundFunctions(QString programFolder, SoundOutput& output)
        : programFolder_(std::move(programFolder)), output_(output) {}

    // Plays the named sound when soundOn is true; an unknown name plays nothing.
    void PlayGameSound(std::string_view name, bool soundOn);

private:
    QString programFolder_;
    SoundOutput& output_;
};

} // namespace lexabit
