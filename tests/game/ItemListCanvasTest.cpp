#include "game/ItemListCanvas.h"

#include "game/WordListPage.h"

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

    std::vector<Drawn> drawn;
    std::int32_t colour = 0;
    int ended = 0;

private:
    double size_ = 10;
};

// At size 10 a character column is 100 pixels wide and a line 100 pixels high.
constexpr double Column = 100;
constexpr double LineHeight = 100;

TEST(ItemListCanvas, NumbersGetABlankBeforeAndAfterAndANegativeOneItsMinusSign) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.PrintItems({PrintNumber{7}, PrintNumber{-3}, PrintText{"x"}});
    const std::vector<FixedPitchDevice::Drawn> expected{
        {0, 0, " 7 "}, {3 * Column, 0, "-3 "}, {6 * Column, 0, "x"}};
    EXPECT_EQ(device.drawn, expected);
}

TEST(ItemListCanvas, EndOfListStartsANewLineAtTheLeftEdge) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.SetX(1600);
    canvas.SetY(3);
    canvas.PrintItems({PrintText{"Title"}});
    EXPECT_EQ(canvas.X(), 0);
    EXPECT_EQ(canvas.Y(), 3 + LineHeight);
    canvas.PrintItems({PrintText{"Next"}});
    EXPECT_EQ(device.drawn.back(), (FixedPitchDevice::Drawn{0, 3 + LineHeight, "Next"}));
}

TEST(ItemListCanvas, NewLineMovesDownByTheCurrentFontsLine) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.SetFontSize(16);
    canvas.SetY(300);
    canvas.PrintItems({PrintText{"Summary"}});
    EXPECT_EQ(canvas.Y(), 300 + 160);
}

TEST(ItemListCanvas, ColumnStopMovesToThatCharacterColumnOfTheLine) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.SetY(600);
    canvas.PrintItems({PrintText{"abc"}, ColumnStop{20}, PrintText{"p"}});
    EXPECT_EQ(device.drawn.back(), (FixedPitchDevice::Drawn{19 * Column, 600, "p"}));
}

TEST(ItemListCanvas, ColumnStopIsCountedFromTheLeftEdgeNotFromTheStartOfTheText) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.SetX(2500);
    canvas.PrintItems({PrintText{"ab"}, ColumnStop{55}, PrintText{"p"}});
    EXPECT_EQ(device.drawn.back(), (FixedPitchDevice::Drawn{54 * Column, 0, "p"}));
}

TEST(ItemListCanvas, ColumnStopAlreadyPassedGoesToThatColumnOfTheNextLine) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.SetY(600);
    canvas.PrintItems({PrintText{std::string(25, 'w')}, ColumnStop{20}, PrintText{"p"}});
    EXPECT_EQ(device.drawn.back(), (FixedPitchDevice::Drawn{19 * Column, 600 + LineHeight, "p"}));
    // The end of the list then starts one more line.
    EXPECT_EQ(canvas.Y(), 600 + 2 * LineHeight);
}

TEST(ItemListCanvas, ColumnStopExactlyAtThePositionStaysOnTheLine) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    canvas.PrintItems({PrintText{std::string(19, 'w')}, ColumnStop{20}, PrintText{"p"}});
    EXPECT_EQ(device.drawn.back(), (FixedPitchDevice::Drawn{19 * Column, 0, "p"}));
}

TEST(ItemListCanvas, PageRowWithEmptyPointsDrawsNothingAfterTheColumnStop) {
    FixedPitchDevice device;
    ItemListCanvas canvas(device);
    WordListSummary summary;
    summary.Rows = {{"CAT", ""}, {"DOG", " 5"}};
    PrintWordListPage(canvas, summary);

    // Word rows are drawn at size 20: columns of 200 pixels, lines of 200 pixels.
    std::vector<FixedPitchDevice::Drawn> rows;
    for (const auto& drawn : device.drawn) {
        if (drawn.y >= 600 && drawn.y < 6100) {
            rows.push_back(drawn);
        }
    }
    const std::vector<FixedPitchDevice::Drawn> expected{{0, 600, " 1 "},
                                                        {600, 600, ".    CAT"},
                                                        {0, 800, " 2 "},
                                                        {600, 800, ".    DOG"},
                                                        {19 * 200, 800, " 5"}};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(device.drawn.front(), (FixedPitchDevice::Drawn{1600, 3, "Lexabit Solitaire"}));
    EXPECT_EQ(device.drawn.back(), (FixedPitchDevice::Drawn{2000, 6100, "Corvane Press"}));
    EXPECT_EQ(device.ended, 1);
}

} // namespace
} // namespace lexabit
