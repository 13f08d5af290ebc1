#include "game/files/Settings.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace lexabit {
namespace {

SettingsValues Values(std::int32_t colour, std::int16_t style, std::int16_t level) {
    SettingsValues values;
    values.BackgroundColor = colour;
    values.CardStyle = style;
    values.Level = level;
    return values;
}

constexpr std::int32_t DefaultColour = SettingsValues::DefaultBackgroundColor;
constexpr std::int32_t SystemColour = static_cast<std::int32_t>(0x8000000FU); // top bit set

TEST(SettingsText, WritesEachNumberFramedByBlanksOrAMinusSign) {
    EXPECT_EQ(FormatSettings(Values(16744576, 8, 2)), " 16744576 \r\n 8 \r\n 2 \r\n");
    EXPECT_EQ(FormatSettings(Values(SystemColour, 3, 1)), "-2147483633 \r\n 3 \r\n 1 \r\n");
    for (const std::int32_t colour : {INT32_MIN, -1, 0, INT32_MAX, SystemColour}) {
        const ParsedSettings parsed = ParseSettings(FormatSettings(Values(colour, 0, 3)));
        EXPECT_TRUE(parsed.Complete) << colour;
        EXPECT_EQ(parsed.Values, Values(colour, 0, 3)) << colour;
    }
}

// Each line stands on its own: one that cannot be used takes its default alone.
TEST(SettingsText, ReadsWhatItCanAndDefaultsTheRest) {
    struct Case {
        const char* what;
        std::string text;
        SettingsValues values;
        bool complete;
    };
    const Case cases[] = {
        {"worked example", " 16744576 \r\n 8 \r\n 2 \r\n", Values(16744576, 8, 2), true},
        {"line feeds", " 255 \n 4 \n 3 \n", Values(255, 4, 3), true},
        {"carriage returns", " 255 \r 4 \r 3 \r", Values(255, 4, 3), true},
        {"mixed ends, none last", " 255 \n 4 \r\n 3", Values(255, 4, 3), true},
        {"tabs, plus, byte order mark", "\xEF\xBB\xBF\t+65280\r\n5\r\n   1\t", Values(65280, 5, 1),
         true},
        {"lines after the third", " 1 \r\n 2 \r\n 3 \r\n junk \r\n 7 \r\n", Values(1, 2, 3), true},
        {"highest style and level", " 0 \r\n 8 \r\n 3 \r\n", Values(0, 8, 3), true},
        {"lowest style and level", " 0 \r\n 0 \r\n 1 \r\n", Values(0, 0, 1), true},
        {"empty", "", SettingsValues{}, false},
        {"one line", " 255 \r\n", Values(255, 8, 2), false},
        {"two lines", " 255 \r\n 0 ", Values(255, 0, 2), false},
        {"a word", " 255 \r\nblue\r\n 3 \r\n", Values(255, 8, 3), false},
        {"trailing letters", " 255 \r\n12abc\r\n 3 \r\n", Values(255, 8, 3), false},
        {"blank line", " 255 \r\n   \r\n 3 \r\n", Values(255, 8, 3), false},
        {"fraction", " 255 \r\n1.5\r\n 3 \r\n", Values(255, 8, 3), false},
        {"lone sign", " 255 \r\n+\r\n 3 \r\n", Values(255, 8, 3), false},
        {"blank after sign", " 255 \r\n- 5\r\n 3 \r\n", Values(255, 8, 3), false},
        {"hexadecimal", " 255 \r\n0x10\r\n 3 \r\n", Values(255, 8, 3), false},
        {"two numbers", " 255 \r\n1 2\r\n 3 \r\n", Values(255, 8, 3), false},
        {"colour past 32 bits", "2147483648\r\n 1 \r\n 1 \r\n", Values(DefaultColour, 1, 1), false},
        {"colour below 32 bits", "-2147483649\r\n 1 \r\n 1 \r\n", Values(DefaultColour, 1, 1),
         false},
        {"colour of 26 digits", "99999999999999999999999999\r\n 1 \r\n 1 \r\n",
         Values(DefaultColour, 1, 1), false},
        {"huge style and level not truncated", " 0 \r\n 4294967301 \r\n 65537 \r\n",
         Values(0, 8, 2), false},
        {"style below 0", " 0 \r\n-1 \r\n 1 \r\n", Values(0, 8, 1), false},
        {"style above 8", " 0 \r\n 9 \r\n 1 \r\n", Values(0, 8, 1), false},
        {"level 0", " 0 \r\n 1 \r\n 0 \r\n", Values(0, 1, 2), false},
        {"level 4", " 0 \r\n 1 \r\n 4 \r\n", Values(0, 1, 2), false},
    };
    EXPECT_EQ(SettingsValues{}, Values(16744576, 8, 2));
    for (const Case& c : cases) {
        const ParsedSettings parsed = ParseSettings(c.text);
        EXPECT_EQ(parsed.Values, c.values) << c.what;
        EXPECT_EQ(parsed.Complete, c.complete) << c.what;
    }
}

} // namespace
} // namespace lexabit
