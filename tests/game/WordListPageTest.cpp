#include "game/print/WordListPage.h"

#include "game/print/PageCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

// A device whose font has one width for every character: a tenth of the size in
// points per character, and lines as high as the size times ten.
class FixedPitchDevice final : public TextDevice {
public:
    struct Drawn {
        double x;
        double y;
        std::string text;
        bool operator==(const Drawn&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const Drawn& drawn) {
            return out << '(' << drawn.x << ", " << drawn.y << ", \"" << drawn.text << "\")";
        }
    };

    void SetFontSize(double points) override { size_ = points; }
    void SetTextColor(std::int32_t value) override { colour = value; }
    void DrawText(double x, double y, std::string_view text) override {
        drawn.push_back({x, y, std::string(text)});
    }
    double TextWidth(std::string_view text) const override {
        return static_cast<double>(text.size()) * AverageCharWidth();
    }
    double AverageCharWidth() const override { return size_ * 10; }
    double LineHeight() const override { return size_ * 10; }
    void EndDocument() override { ++ended; }

    bool Drew(const Drawn& wanted) const { return std::ranges::find(drawn, wanted) != drawn.end(); }

    std::vector<Drawn> drawn;
    std::int32_t colour = 0;
    int ended = 0;

private:
    double size_ = 10;
};

using Drawn = FixedPitchDevice::Drawn;

// At size 10 a character column is 100 pixels wide and a line 100 pixels high.
TEST(ItemListCanvas, PlacesNumbersTextsAndColumnStopsFromTheLeftEdge) {
    struct Case {
        const char* what;
        double startX;
        PrintItemList items;
        std::vector<Drawn> drawn;
        double nextY; // where the next list starts
    };
    // clang-format off
    const Case cases[] = {
        {"numbers framed by blanks or a minus sign", 0, {PrintNumber{7}, PrintNumber{-3}, PrintText{"x"}},
         {{0, 600, " 7 "}, {300, 600, "-3 "}, {600, 600, "x"}}, 700},
        {"column stop ahead", 0, {PrintText{"abc"}, ColumnStop{20}, PrintText{"p"}},
         {{0, 600, "abc"}, {1900, 600, "p"}}, 700},
        {"column stop counted from the edge", 2500, {PrintText{"ab"}, ColumnStop{55}, PrintText{"p"}},
         {{2500, 600, "ab"}, {5400, 600, "p"}}, 700},
        {"column stop exactly reached", 0, {PrintText{std::string(19, 'w')}, ColumnStop{20}, PrintText{"p"}},
         {{0, 600, std::string(19, 'w')}, {1900, 600, "p"}}, 700},
        {"column stop passed", 0, {PrintText{std::string(25, 'w')}, ColumnStop{20}, PrintText{"p"}},
         {{0, 600, std::string(25, 'w')}, {1900, 700, "p"}}, 800},
    };
    // clang-format on
    for (const Case& c : cases) {
        FixedPitchDevice device;
        ItemListCanvas canvas(device);
        canvas.SetX(c.startX);
        canvas.SetY(600);
        canvas.PrintItems(c.items);
        EXPECT_EQ(device.drawn, c.drawn) << c.what;
        EXPECT_EQ(canvas.X(), 0) << c.what;
        EXPECT_EQ(canvas.Y(), c.nextY) << c.what;
    }
}

FixedPitchDevice PrintPage(int words, int totalScore = 57) {
    WordListSummary summary;
    summary.TotalScore = totalScore;
    summary.PlayingTime = " 0: 5: 12";
    summary.CardsLeft = 93;
    summary.Rating = "Fair";
    summary.TextColor = 0x0000FF;
    for (int i = 1; i <= words; ++i) {
        summary.Rows.push_back({"W" + std::to_string(i), " " + std::to_string(i)});
    }
    if (words > 0) {
        summary.Rows[1].Points.clear(); // nothing is drawn after the column stop
    }
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    PrintWordListPage(canvas, summary);
    return device;
}

// Rows are printed at size 20: character columns and lines of 200 pixels.
TEST(WordListPage, PrintsTitleSummaryTwoColumnsOf28WordsAndTheFooter) {
    const FixedPitchDevice page = PrintPage(60);
    EXPECT_EQ(page.drawn.front(), (Drawn{1600, 3, "Lexabit Solitaire"}));
    EXPECT_EQ(page.drawn[1], (Drawn{0, 300,
                                    "Points:  57     Words:  60     Time:  0: 5: 12"
                                    "     Cards Left:  93     Rating: Fair"}));
    EXPECT_EQ(page.drawn.back(), (Drawn{2000, 6100, "Corvane Press"}));
    EXPECT_EQ(page.colour, 0x0000FF);
    EXPECT_EQ(page.ended, 1);
    const Drawn expected[] = {
        {0, 600, " 1 "},       {600, 600, ".    W1"}, {3800, 600, " 1"},      {0, 800, " 2 "},
        {600, 800, ".    W2"}, {0, 2200, " 9 "},      {600, 2200, ".    W9"}, {0, 2400, " 10 "},
        {800, 2400, ".  W10"}, {3800, 2400, " 10"},   {0, 6000, " 28 "},      {2500, 600, " 29 "},
        {3300, 600, ".  W29"}, {10800, 600, " 29"},   {2500, 800, " 30 "},    {2500, 6000, " 56 "},
        {10800, 6000, " 56"},
    };
    for (const Drawn& wanted : expected) {
        EXPECT_TRUE(page.Drew(wanted)) << wanted;
    }
    EXPECT_FALSE(page.Drew({2500, 6200, " 57 "})) << "only 56 rows fit";
    EXPECT_EQ(page.drawn.size(), 2U + 56U * 3U - 1U + 1U); // row 2 has no points drawn
}

TEST(WordListPage, AnEmptyListPrintsTitleSummaryAndFooterOnly) {
    const FixedPitchDevice page = PrintPage(0, -5);
    ASSERT_EQ(page.drawn.size(), 3U);
    EXPECT_EQ(page.drawn[1].text.substr(0, 27), "Points: -5     Words:  0   ");
}

} // namespace
} // namespace lexabit
