#include "game/print/WordListPage.h"

#include "game/print/PageCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace lexabit {
namespace {

using Drawn = std::tuple<double, double, std::string>;

// A device whose font has one width for every character: a tenth of the size in
// points per character, and lines as high as the size times ten.
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

// Rows are printed at size 20: character columns and lines of 200 pixels; the points stand
// at a column stop, or on the next line once the word has passed it.
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
