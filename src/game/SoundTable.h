#pragma once

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

} // namespace lexabit
