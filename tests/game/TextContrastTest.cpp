#include "game/model/Texts.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(TextContrast, MeasuresAsWcagDoes) {
    struct Case {
        Rgb First;
        Rgb Second;
        double Ratio;
    };
    for (const Case& c : {Case{Black, White, 21.0}, Case{White, White, 1.0},
                          Case{{118, 118, 118}, White, 4.54}, Case{{0, 0, 255}, White, 8.59}}) {
        EXPECT_NEAR(ContrastRatio(c.First, c.Second), c.Ratio, 0.01);
        EXPECT_NEAR(ContrastRatio(c.Second, c.First), c.Ratio, 0.01);
    }
}

TEST(TextContrast, BlackOrWhiteTextIsReadableOnEveryBackground) {
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
