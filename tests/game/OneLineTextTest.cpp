#include "game/files/FileRead.h"
#include "game/model/Texts.h"

#include <gtest/gtest.h>
#include <sstream>

namespace lexabit {
namespace {

TEST(OneLineText, RemovesLineBreaksAndOtherControlCharacters) {
    EXPECT_EQ(OneLineText("Ann\r\nMarie"), "AnnMarie");
    EXPECT_EQ(OneLineText(std::string("Tab\there\x01\x7F\0end", 14)), "Tabhereend");
    // NEL (U+0085), line separator (U+2028) and paragraph separator (U+2029).
    EXPECT_EQ(OneLineText("a\xC2\x85"
                          "b\xE2\x80\xA8"
                          "c\xE2\x80\xA9"
                          "d"),
              "abcd");
}

TEST(OneLineText, KeepsCommasQuotesBlanksAndAccents) {
    const std::string name = "  José, \"Zoë\" O'Brien – 北京";
    EXPECT_EQ(OneLineText(name), name);
}

TEST(OneLineText, ReadsBytesThatAreNotUtf8AsLatin1) {
    EXPECT_EQ(OneLineText("Jos\xE9 M\xFCller"), "José Müller");
    // A lone lead byte, an overlong form and an encoded surrogate are not UTF-8 either.
    EXPECT_EQ(OneLineText("\xC3"), "Ã");
    EXPECT_EQ(OneLineText("\xC0\xAF"), "À¯");
    EXPECT_EQ(OneLineText("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0"); // í and a no-break space
}

TEST(OneLineText, CutsLongTextsByCharactersNotBytes) {
    EXPECT_EQ(OneLineText("ééé", 2), "éé");
    EXPECT_EQ(OneLineText(std::string(10'000, 'x')).size(), MaxFieldCharacters);
}

std::vector<std::string> AllLines(const std::string& text, std::size_t maxLineBytes = 4096) {
    std::istringstream in(text);
    TextLineReader reader(in, maxLineBytes);
    std::vector<std::string> lines;
    while (auto line = reader.NextLine()) {
        lines.push_back(*line);
    }
    return lines;
}

TEST(TextLineReader, SplitsOnEveryKindOfLineEnd) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(AllLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(AllLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(AllLines("\r\n"), (Lines{""}));
    EXPECT_EQ(AllLines(""), Lines{});
}

TEST(TextLineReader, KeepsTheStartOfALongLineAndReadsOnAfterIt) {
    const auto lines = AllLines(std::string(100, 'x') + "\r\nnext\r\n", 10);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(10, 'x'));
    EXPECT_EQ(lines[1], "next");
}

} // namespace
} // namespace lexabit
