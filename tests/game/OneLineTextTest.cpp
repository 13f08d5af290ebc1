#include "game/files/FileRead.h"
#include "game/model/Texts.h"

#include <gtest/gtest.h>
#include <sstream>

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

TEST(TextLineReader, SplitsOnEveryLineEndAndKeepsTheStartOfALongLine) {
    using Lines = std::vector<std::string>;
    const auto allLines = [](const std::string& text, std::size_t maxLineBytes = 4096) {
        std::istringstream in(text);
        TextLineReader reader(in, maxLineBytes);
        Lines lines;
        while (auto line = reader.NextLine()) {
            lines.push_back(*line);
        }
        return lines;
    };
    EXPECT_EQ(allLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(allLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(allLines(""), Lines{});
    EXPECT_EQ(allLines(std::string(100, 'x') + "\r\nnext\r\n", 10),
              (Lines{std::string(10, 'x'), "next"}));
}

} // namespace
} // namespace lexabit
