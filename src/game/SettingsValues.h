#pragma once

#include <cstdint>

namespace lexabit {

// The three choices of the player that outlast the program.
struct SettingsValues {
    // Red 128, green 128, blue 255: the board's own colour.
    static constexpr std::int32_t DefaultBackgroundColor = 16744576;
    // Chess, the style a new game falls back to.
    static constexpr std::int16_t DefaultCardStyle = 8;
    // Easy: three minutes per word.
    static constexpr std::int16_t DefaultLevel = 2;

    static constexpr std::int16_t LowestCardStyle = 0;
    static constexpr std::int16_t HighestCardStyle = 8;
    static constexpr std::int16_t LowestLevel = 1;
    static constexpr std::int16_t HighestLevel = 3;

    // Red in the low byte, then green, then blue; a negative value names a system colour.
    std::int32_t BackgroundColor = DefaultBackgroundColor;
    std::int16_t CardStyle = DefaultCardStyle;
    std::int16_t Level = DefaultLevel;

    friend bool operator==(const SettingsValues&, const SettingsValues&) = default;
};

} // namespace lexabit
