#pragma once

#include <cstdint>

namespace lexabit {

// A colour as three 8-bit channels.
struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};

// The contrast a reader needs for ordinary text (WCAG AA).
inline constexpr double ReadableContrast = 4.5;

// How bright the colour looks, from 0 (black) to 1 (white), as WCAG measures it.
double RelativeLuminance(Rgb colour);

// The contrast between two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb first, Rgb second);

// Black or white, whichever stands out more on the background. One of the two always
// reaches the readable contrast, whatever the background.
Rgb TextColourOn(Rgb background);

} // namespace lexabit
