#include "game/TextContrast.h"

#include <algorithm>
#include <cmath>

namespace lexabit {

namespace {

// A channel of an sRGB colour turned into linear light.
double LinearChannel(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.Red) + 0.7152 * LinearChannel(colour.Green) +
           0.0722 * LinearChannel(colour.Blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb TextColourOn(Rgb background) {
    return ContrastRatio(background, Black) >= ContrastRatio(background, White) ? Black : White;
}

} // namespace lexabit
