#include "game/model/Texts.h"

#include "game/files/FileRead.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(OneLineText, DropsLineBreaksAndControlsKeepsTheRestAndReadsNonUtf8AsLatin1) {
    const std::pair<std::string, std::string> texts[] = {
        {"Ann\r\nMarie", "AnnMarie"},
        {std::string("Tab\there\x01\x7F\0end", 14), "Tabhereend"},
        {"a\xC2\x85"
         "b\xE2\x80\xA8"
         "c\xE2\x80\xA9"
         "d",
         "abcd"}, // NEL, U+2028, U+2029
        {"  José, \"Zoë\" O'Brien – 北京", "  José, \"Zoë\" O'Brien – 北京"},
        {"Jos\xE9 M\xFCller", "José Müller"},
        {"\xC3", "Ã"},                        // a lone lead byte
        {"\xC0\xAF", "À¯"},                   // an overlong form
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0"}, // an encoded surrogate: í, no-break space
    };
    for (const auto& [raw, clean] : texts) {
        EXPECT_EQ(OneLineText(raw), clean);
    }
    EXPECT_EQ(OneLineText("ééé", 2), "éé"); // cut by characters, not bytes
    EXPECT_EQ(OneLineText(std::string(10'000, 'x')).size(), MaxFieldCharacters);
}

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
