#include "game/SettingsText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace lexabit {
namespace {

constexpr SettingsValues Defaults{};

SettingsValues Values(std::int32_t colour, std::int16_t style, std::int16_t level) {
    SettingsValues values;
    values.BackgroundColor = colour;
    values.CardStyle = style;
    values.Level = level;
    return values;
}

TEST(SettingsText, DesignColourStyle8Level2GiveTheThreeFramedLines) {
    EXPECT_EQ(FormatSettings(Values(16744576, 8, 2)), " 16744576 \r\n 8 \r\n 2 \r\n");
}

TEST(SettingsText, WorkedExampleReadsBackComplete) {
    const ParsedSettings parsed = ParseSettings(" 16744576 \r\n 8 \r\n 2 \r\n");
    EXPECT_TRUE(parsed.Complete);
    EXPECT_EQ(parsed.Values, Values(16744576, 8, 2));
}

TEST(SettingsText, SystemColourIsWrittenWithMinusSignAndReadsBackTheSame) {
    // Top bit set: a system colour, negative as a signed number.
    const std::int32_t systemColour = static_cast<std::int32_t>(0x8000000FU);
    const std::string text = FormatSettings(Values(systemColour, 3, 1));
    EXPECT_EQ(text, "-2147483633 \r\n 3 \r\n 1 \r\n");
    const ParsedSettings parsed = ParseSettings(text);
    EXPECT_TRUE(parsed.Complete);
    EXPECT_EQ(parsed.Values.BackgroundColor, systemColour);
}

TEST(SettingsText, ColoursAtBothEndsOf32BitsRoundTrip) {
    for (const std::int32_t colour : {std::numeric_limits<std::int32_t>::min(), -1, 0,
                                      std::numeric_limits<std::int32_t>::max()}) {
        const ParsedSettings parsed = ParseSettings(FormatSettings(Values(colour, 0, 3)));
        EXPECT_TRUE(parsed.Complete) << colour;
        EXPECT_EQ(parsed.Values, Values(colour, 0, 3)) << colour;
    }
}

TEST(SettingsText, LineFeedOnlyAndCarriageReturnOnlyLineEndsRead) {
    for (const char* text : {" 255 \n 4 \n 3 \n", " 255 \r 4 \r 3 \r", " 255 \n 4 \r\n 3"}) {
        const ParsedSettings parsed = ParseSettings(text);
        EXPECT_TRUE(parsed.Complete) << text;
        EXPECT_EQ(parsed.Values, Values(255, 4, 3)) << text;
    }
}

TEST(SettingsText, BlanksTabsPlusSignAndByteOrderMarkAreIgnored) {
    const ParsedSettings parsed = ParseSettings("\xEF\xBB\xBF\t+65280\r\n5\r\n   1\t");
    EXPECT_TRUE(parsed.Complete);
    EXPECT_EQ(parsed.Values, Values(65280, 5, 1));
}

TEST(SettingsText, EmptyTextGivesEveryDefault) {
    const ParsedSettings parsed = ParseSettings("");
    EXPECT_FALSE(parsed.Complete);
    EXPECT_EQ(parsed.Values, Defaults);
    EXPECT_EQ(parsed.Values, Values(16744576, 8, 2));
}

TEST(SettingsText, FewerThanThreeLinesKeepWhatIsThereAndDefaultTheRest) {
    const ParsedSettings oneLine = ParseSettings(" 255 \r\n");
    EXPECT_FALSE(oneLine.Complete);
    EXPECT_EQ(oneLine.Values, Values(255, 8, 2));

    const ParsedSettings twoLines = ParseSettings(" 255 \r\n 0 ");
    EXPECT_FALSE(twoLines.Complete);
    EXPECT_EQ(twoLines.Values, Values(255, 0, 2));
}

TEST(SettingsText, ALineThatIsNotAWholeNumberTakesItsDefaultAlone) {
    for (const char* notANumber : {"blue", "12abc", "", "   ", "1.5", "+", "- 5", "0x10", "1 2"}) {
        const ParsedSettings parsed =
            ParseSettings(" 255 \r\n" + std::string(notANumber) + "\r\n 3 \r\n");
        EXPECT_FALSE(parsed.Complete) << '"' << notANumber << '"';
        EXPECT_EQ(parsed.Values, Values(255, 8, 3)) << '"' << notANumber << '"';
    }
}

TEST(SettingsText, ColoursBeyond32BitsTakeTheDefault) {
    for (const char* huge :
         {"2147483648", "-2147483649", "4294967295", "99999999999999999999999999"}) {
        const ParsedSettings parsed = ParseSettings(std::string(huge) + "\r\n 1 \r\n 1 \r\n");
        EXPECT_FALSE(parsed.Complete) << huge;
        EXPECT_EQ(parsed.Values, Values(Defaults.BackgroundColor, 1, 1)) << huge;
    }
}

TEST(SettingsText, HugeStyleAndLevelAreNotCutDownToSmallValues) {
    // 2^32 + 5 and 2^16 + 1 would read as 5 and 1 if the number were truncated.
    const ParsedSettings parsed = ParseSettings(" 0 \r\n 4294967301 \r\n 65537 \r\n");
    EXPECT_FALSE(parsed.Complete);
    EXPECT_EQ(parsed.Values, Values(0, Defaults.CardStyle, Defaults.Level));
}

TEST(SettingsText, CardStyleOutside0To8TakesTheDefault) {
    EXPECT_EQ(ParseSettings(" 0 \r\n-1 \r\n 1 \r\n").Values.CardStyle, 8);
    EXPECT_EQ(ParseSettings(" 0 \r\n 9 \r\n 1 \r\n").Values.CardStyle, 8);
    EXPECT_EQ(ParseSettings(" 0 \r\n 0 \r\n 1 \r\n").Values.CardStyle, 0);
    EXPECT_EQ(ParseSettings(" 0 \r\n 7 \r\n 1 \r\n").Values.CardStyle, 7);
}

TEST(SettingsText, LevelOutside1To3TakesTheDefault) {
    EXPECT_EQ(ParseSettings(" 0 \r\n 1 \r\n 0 \r\n").Values.Level, 2);
    EXPECT_EQ(ParseSettings(" 0 \r\n 1 \r\n 4 \r\n").Values.Level, 2);
    EXPECT_EQ(ParseSettings(" 0 \r\n 1 \r\n-1 \r\n").Values.Level, 2);
    EXPECT_EQ(ParseSettings(" 0 \r\n 1 \r\n 1 \r\n").Values.Level, 1);
    EXPECT_EQ(ParseSettings(" 0 \r\n 1 \r\n 3 \r\n").Values.Level, 3);
}

TEST(SettingsText, LinesAfterTheThirdAreIgnored) {
    const ParsedSettings parsed = ParseSettings(" 1 \r\n 2 \r\n 3 \r\n junk \r\n 7 \r\n");
    EXPECT_TRUE(parsed.Complete);
    EXPECT_EQ(parsed.Values, Values(1, 2, 3));
}

} // namespace
} // namespace lexabit
