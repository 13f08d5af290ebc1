#pragma once

#include <chrono>

namespace lexabit {

// Waits for a while on the window's thread without taking input: repaints, timers
// and sound keep running, while mouse and key events are held until the wait is over
// (a glide or a synchronous sound finishes before the player's next move is handled).
void PacedWait(std::chrono::microseconds duration);

} // namespace lexabit
