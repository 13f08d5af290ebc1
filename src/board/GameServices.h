#pragma once

#include "game/Ports.h"

#include <memory>

namespace lexabit {

// The outside world as the game sees it: where randomness and time come from and
// which folder holds the program's data. The game uses the real ones; tests fake them.
struct GameServices {
    std::unique_ptr<RandomSource> Random;
    std::unique_ptr<Clock> Time;
    std::unique_ptr<ProgramFolder> Folder;

    // The clock-seeded random source, the wall clock and the executable's own folder.
    static GameServices ForThisProgram();
};

} // namespace lexabit
