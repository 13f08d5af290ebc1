#include "game/model/Texts.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(TextContrast, BlackOrWhiteTextIsReadableOnEveryBackground) {
    EXPECT_NEAR(ContrastRatio(Black, White), 21.0, 0.01); // as WCAG measures it
    EXPECT_NEAR(ContrastRatio({0, 0, 255}, White), 8.59, 0.01);
    EXPECT_NEAR(ContrastRatio(White, {118, 118, 118}), 4.54, 0.01);
    constexpr int step = 15; // 18 levels per channel, black and white included
    for (int red = 0; red <= 255; red += step) {
        for (int green = 0; green <= 255; green += step) {
            for (int blue = 0; blue <= 255; blue += step) {
                const Rgb background{static_cast<std::uint8_t>(red),
                                     static_cast<std::uint8_t>(green),
                                     static_cast<std::uint8_t>(blue)};
                const Rgb text = TextColourOn(background);
                const double chosen = ContrastRatio(background, text);
                ASSERT_GE(chosen, ReadableContrast) << red << ',' << green << ',' << blue;
                const Rgb other = text.Red == 0 ? White : Black;
                ASSERT_GE(chosen, ContrastRatio(background, other))
                    << red << ',' << green << ',' << blue;
            }
        }
    }
}

} // namespace
} // namespace lexabit
