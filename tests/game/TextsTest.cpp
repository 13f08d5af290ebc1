#include "game/model/Texts.h"

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

// Near mid grey black still stands out a little more: 4.62 against 4.54.
TEST(TextContrast, TextIsBlackOrWhiteWhicheverStandsOutMore) {
    EXPECT_NEAR(ContrastRatio(Black, White), 21.0, 0.01); // as WCAG measures it
    EXPECT_NEAR(ContrastRatio(White, {118, 118, 118}), 4.54, 0.01);
    const std::pair<Rgb, Rgb> texts[] = {{White, Black},           {Black, White},
                                         {{0, 0, 255}, White},     {{255, 255, 0}, Black},
                                         {{118, 118, 118}, Black}, {{117, 117, 117}, White}};
    for (const auto& [background, text] : texts) {
        EXPECT_EQ(TextColourOn(background).Red, text.Red) << int{background.Red};
    }
}

} // namespace
} // namespace lexabit
