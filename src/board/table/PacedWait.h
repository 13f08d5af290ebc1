#pragma once

#include <chrono>

namespace lexabit {

// Holds the window's thread for a while without handling any event: mouse, keys,
// resizes and timers stay queued and are handled once the move has ended, so nothing
// can slip in between two steps of a move or during a synchronous sound. The sounds
// play on a thread of their own, so they are not starved meanwhile.
void PacedWait(std::chrono::microseconds duration);

} // namespace lexabit
