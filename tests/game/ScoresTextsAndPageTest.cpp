#include "TestTable.h"
#include "game/model/Texts.h"
#include "game/print/WordListPage.h"
#include "game/scoring/ScoreTexts.h"
#include "game/scoring/WordScore.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace lexabit {
namespace {

// Each length bonus up to seven letters is scored in the word check's table.
TEST(WordScore, NoLengthBonusBeyondSevenLettersAndSumsThatFitAddRoundedHalvesToEven) {
    EXPECT_EQ(WordLengthBonus("ANAGRAMS"), 0);
    const std::tuple<std::int16_t, double, bool, std::int16_t> cases[] = {
        // score, added, fits, after
        {32750, 17, true, 32767},   {-32760, -8, true, -32768},  {10, 2.5, true, 12},
        {32760, 8, false, 32760},   {-32760, -9, false, -32760}, {0, 1e300, false, 0},
        {32767, 0.5, false, 32767}, // 32767.5 rounds to 32768
    };
    for (const auto& [before, added, fits, after] : cases) {
        std::int16_t score = before;
        EXPECT_EQ(AddToScore(score, added), fits) << before << " + " << added;
        EXPECT_EQ(score, after) << before << " + " << added;
    }
}

TEST(Rating, FollowsTheLetterCardsNotYetUsed) {
    const std::pair<int, const char*> ratings[] = {
        {0, "Master"},  {1, "Fantastic"}, {2, "Excellent"}, {3, "Great"}, {4, "Good"},
        {5, "Average"}, {6, "Fair"},      {60, "Fair"},     {-1, ""}};
    for (const auto& [cardsLeft, rating] : ratings) {
        EXPECT_EQ(SkillLevelFor(cardsLeft), rating) << cardsLeft;
    }
    testing::TestTable table("ABCDEFGHIJ"); // pack, table and word cards count; markers not
    for (int i = 1; i <= 9; ++i) {
        table.MarkUsed(i);
    }
    EXPECT_EQ(RatingMessage(table.state), "Your skill level is: Fantastic, You had 1 card left");
    table.PutInColumn(1, 1);
    table.MakeWord({2, 3}, 2);
    EXPECT_EQ(RatingMessage(table.state), "Your skill level is: Good, You had 4 cards left");
}

TEST(Alphabet, LettersTheirValuesAndVowels) {
    for (const auto& [n, letter] :
         {std::pair(1, 'A'), {26, 'Z'}, {0, '\0'}, {27, '\0'}, {-3, '\0'}}) {
        EXPECT_EQ(LetterOf(n), letter) << n;
    }
    int sum = 0;
    for (int n = 1; n <= 26; ++n) {
        sum += LetterValue(LetterOf(n)) * StandardLetterCounts[n - 1];
    }
    EXPECT_EQ(sum, 187); // the whole standard pack
    for (const char notALetter : {'a', '\0', '['}) {
        EXPECT_EQ(std::pair(LetterValue(notALetter), IsVowel(notALetter)), std::pair(0, false));
    }
    for (const char capital : std::string_view("AEIOUY")) {
        EXPECT_EQ(IsVowel(capital), capital != 'Y') << capital;
    }
}

TEST(LetterCounts, FieldsReadAsLeadingNumbersUpTo999) {
    const std::pair<const char*, int> fields[] = {
        {"9", 9},   {" 2 cards", 2}, {"many", 0}, {"2.5", 2},
        {"3.5", 4}, {"-1", -1},      {"", 0},     {"100000", MaxLetterCount}};
    LetterCountTexts texts;
    texts.fill("0");
    for (std::size_t k = 0; k < std::size(fields); ++k) {
        texts[k] = fields[k].first;
        EXPECT_EQ(ReadLetterCounts(texts)[k], fields[k].second) << fields[k].first;
    }
    EXPECT_EQ(SumOfCounts(ReadLetterCounts(texts)), 9 + 2 + 2 + 4 - 1 + 999);
    EXPECT_EQ(SumOfCounts(ReadLetterCounts(StandardLetterCountTexts())), 98);
}

TEST(OneLineText, DropsLineBreaksAndControlsKeepsTheRestAndReadsNonUtf8AsLatin1) {
    // Line separators NEL, U+2028, U+2029; then a lone lead byte, an overlong form, a surrogate.
    // clang-format off
    const std::pair<std::string, std::string> texts[] = {
        {"Ann\r\nMarie", "AnnMarie"}, {std::string("Tab\there\x01\x7F\0end", 14), "Tabhereend"}, {"a\u0085b\u2028c\u2029d", "abcd"},
        {"  José, \"Zoë\" O'Brien – 北京", "  José, \"Zoë\" O'Brien – 北京"}, {"Jos\xE9 M\xFCller", "José Müller"},
        {"\xC3", "Ã"}, {"\xC0\xAF", "À¯"}, {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0"}, // í, no-break space
    };
    // clang-format on
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

using Drawn = std::tuple<double, double, std::string>;

// A font whose every character, and every line, is ten times the point size.
class FixedPitchDevice final : public TextDevice {
public:
    void SetFontSize(double points) override { size_ = points; }
    void SetTextColor(std::int32_t value) override { colour = value; }
    void DrawText(double x, double y, std::string_view text) override {
        drawn.emplace_back(x, y, std::string(text));
    }
    double TextWidth(std::string_view text) const override {
        return static_cast<double>(text.size()) * AverageCharWidth();
    }
    double AverageCharWidth() const override { return size_ * 10; }
    double LineHeight() const override { return size_ * 10; }
    void EndDocument() override { ++ended; }

    std::vector<Drawn> drawn;
    std::int32_t colour = 0;
    int ended = 0;

private:
    double size_ = 10;
};

// Rows at size 20 (200-pixel characters and lines); points at a stop, or below a long word.
TEST(WordListPage, PrintsTitleSummaryTwoColumnsOf28WordsAndTheFooter) {
    WordListSummary summary{.TotalScore = 57,
                            .Rows = {},
                            .PlayingTime = " 0: 5: 12",
                            .CardsLeft = 93,
                            .Rating = "Fair",
                            .TextColor = 0x0000FF};
    for (int i = 1; i <= 60; ++i) {
        summary.Rows.push_back({"W" + std::to_string(i), " " + std::to_string(i)});
    }
    summary.Rows[1].Points.clear();
    summary.Rows[55].Word = std::string(40, 'L');
    FixedPitchDevice page;
    ItemListCanvas canvas(page);
    PrintWordListPage(canvas, summary);

    // clang-format off
    const Drawn expected[] = {
        {1600, 3, "Lexabit Solitaire"},
        {0, 300, "Points:  57     Words:  60     Time:  0: 5: 12     Cards Left:  93     Rating: Fair"},
        {0, 600, " 1 "}, {600, 600, ".    W1"}, {3800, 600, " 1"}, {600, 800, ".    W2"},
        {0, 2400, " 10 "}, {800, 2400, ".  W10"}, {3800, 2400, " 10"}, {0, 6000, " 28 "},
        {2500, 600, " 29 "}, {3300, 600, ".  W29"}, {10800, 600, " 29"},
        {2500, 6000, " 56 "}, {3300, 6000, ".  " + std::string(40, 'L')}, {10800, 6200, " 56"},
        {2000, 6100, "Corvane Press"},
    };
    // clang-format on
    for (const Drawn& wanted : expected) {
        EXPECT_TRUE(std::ranges::find(page.drawn, wanted) != page.drawn.end())
            << std::get<0>(wanted) << ", " << std::get<1>(wanted) << ": " << std::get<2>(wanted);
    }
    EXPECT_EQ(page.drawn.size(), 2U + 56U * 3U - 1U + 1U); // row 2 has no points drawn
    EXPECT_EQ(page.colour, 0x0000FF);
    EXPECT_EQ(page.ended, 1);
}

} // namespace
} // namespace lexabit
