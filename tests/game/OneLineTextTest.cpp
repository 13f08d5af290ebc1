#include "game/files/FileRead.h"
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

} // namespace
} // namespace lexabit
