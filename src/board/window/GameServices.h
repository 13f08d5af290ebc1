#pragma once

#include "board/sound/Sounds.h"
#include "game/model/Ports.h"

#include <chrono>
#include <functional>
#include <memory>

namespace lexabit {

// The outside world as the game sees it: where randomness and time come from, which
// folder holds the program's data, where sounds go and how a glide waits between its
// steps. The game uses the real ones; tests fake them.
struct GameServices {
    std::unique_ptr<RandomSource> Random;
    std::unique_ptr<Clock> Time;
    std::unique_ptr<ProgramFolder> Folder;
    // The speakers when empty.
    std::unique_ptr<SoundOutput> Sound;
    // Waits between the steps of a glide and for synchronous sounds; tests wait not at all.
    std::function<void(std::chrono::microseconds)> Wait;

    // The clock-seeded random source, the wall clock, the executable's own folder, the
    // speakers and real pauses.
    static GameServices ForThisProgram();
};

} // namespace lexabit
