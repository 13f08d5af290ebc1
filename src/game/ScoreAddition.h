#pragma once

#include <cstdint>

namespace lexabit {

// Adds points to the game's 16-bit score, rounding halves to even. An addition that
// would carry the score outside -32768..32767 is not made: the score stays as it was
// and the answer is false, so the score never wraps round.
bool AddToScore(std::int16_t& score, double points);

} // namespace lexabit
