#pragma once

#include <cstdint>
#include <string_view>

namespace lexabit {

// The bonus an accepted word earns for its length on top of its laid points:
// 4 letters 2, 5 letters 3, 6 letters 5, 7 letters 10, any other length nothing.
std::int16_t LengthBonus(std::string_view word);

} // namespace lexabit
