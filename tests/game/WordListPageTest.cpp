#include "game/WordListPage.h"

#include "RecordingCanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace lexabit {
namespace {

using testing::RecordingCanvas;

WordListSummary SummaryWithWords(int count) {
    WordListSummary summary;
    summary.TotalScore = 57;
    summary.PlayingTime = " 0: 5: 12";
    summary.CardsLeft = 93;
    summary.Rating = "Fair";
    for (int i = 1; i <= count; ++i) {
        summary.Rows.push_back({"W" + std::to_string(i), " " + std::to_string(i)});
    }
    return summary;
}

RecordingCanvas Print(const WordListSummary& summary) {
    RecordingCanvas canvas;
    PrintWordListPage(canvas, summary);
    return canvas;
}

// The printed line of word row n (title and summary come first).
const RecordingCanvas::Line& WordLine(const RecordingCanvas& canvas, int row) {
    return canvas.lines.at(static_cast<std::size_t>(row + 1));
}

PrintItemList Row(int number, const std::string& dotAndWord, int column,
                  const std::string& points) {
    return {PrintNumber{number}, PrintText{dotAndWord}, ColumnStop{column}, PrintText{points}};
}

TEST(WordListPage, TitleSummaryAndFooterStandAtTheirPlaces) {
    WordListSummary summary = SummaryWithWords(2);
    summary.TextColor = 0x0000FF;
    const RecordingCanvas canvas = Print(summary);

    ASSERT_EQ(canvas.lines.size(), 5U);
    const auto& title = canvas.lines[0];
    EXPECT_EQ(title.x, 1600);
    EXPECT_EQ(title.y, 3);
    EXPECT_EQ(title.linesBelowY, 0);
    EXPECT_EQ(title.fontSize, 20);
    EXPECT_EQ(title.colour, 0x0000FF);
    EXPECT_EQ(title.items, PrintItemList{PrintText{"Lexabit Solitaire"}});

    const auto& line = canvas.lines[1];
    EXPECT_EQ(line.x, 0);
    EXPECT_EQ(line.y, 300);
    EXPECT_EQ(line.linesBelowY, 0);
    EXPECT_EQ(line.fontSize, 16);
    EXPECT_EQ(line.items, PrintItemList{PrintText{"Points:  57     Words:  2     Time:  0: 5: 12"
                                                  "     Cards Left:  93     Rating: Fair"}});

    const auto& footer = canvas.lines[4];
    EXPECT_EQ(footer.x, 2000);
    EXPECT_EQ(footer.y, 6100);
    EXPECT_EQ(footer.linesBelowY, 0);
    EXPECT_EQ(footer.fontSize, 14);
    EXPECT_EQ(footer.items, PrintItemList{PrintText{"Corvane Press"}});
}

TEST(WordListPage, UnitIsSetFirstAndTheDocumentEndsLast) {
    const RecordingCanvas canvas = Print(SummaryWithWords(1));
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.front(), "unit");
    EXPECT_EQ(canvas.calls.back(), "end");
    EXPECT_EQ(std::count(canvas.calls.begin(), canvas.calls.end(), "end"), 1);
}

TEST(WordListPage, NegativeScoreShowsItsMinusSignInTheSummary) {
    WordListSummary summary = SummaryWithWords(0);
    summary.TotalScore = -5;
    summary.CardsLeft = 0;
    summary.Rating = "Master";
    const RecordingCanvas canvas = Print(summary);
    EXPECT_EQ(canvas.lines.at(1).items,
              PrintItemList{PrintText{"Points: -5     Words:  0     Time:  0: 5: 12"
                                      "     Cards Left:  0     Rating: Master"}});
}

TEST(WordListPage, Rows1To9HaveFourBlanksAfterTheDotAndRowsFrom10Two) {
    const RecordingCanvas canvas = Print(SummaryWithWords(10));
    EXPECT_EQ(WordLine(canvas, 9).items, Row(9, ".    W9", 20, " 9"));
    EXPECT_EQ(WordLine(canvas, 10).items, Row(10, ".  W10", 20, " 10"));
}

TEST(WordListPage, FirstColumnRunsDownFrom600AtTheLeftEdgeInSize20) {
    const RecordingCanvas canvas = Print(SummaryWithWords(28));
    for (int row = 1; row <= 28; ++row) {
        const auto& line = WordLine(canvas, row);
        EXPECT_EQ(line.x, 0) << row;
        EXPECT_EQ(line.y, 600) << row;
        EXPECT_EQ(line.linesBelowY, row - 1) << row;
        EXPECT_EQ(line.fontSize, 20) << row;
    }
}

TEST(WordListPage, Row29StartsTheSecondColumnAt600And2500WithPointsAtColumn55) {
    const RecordingCanvas canvas = Print(SummaryWithWords(30));
    const auto& row29 = WordLine(canvas, 29);
    EXPECT_EQ(row29.x, 2500);
    EXPECT_EQ(row29.y, 600);
    EXPECT_EQ(row29.linesBelowY, 0);
    EXPECT_EQ(row29.items, Row(29, ".  W29", 55, " 29"));

    const auto& row30 = WordLine(canvas, 30);
    EXPECT_EQ(row30.x, 2500);
    EXPECT_EQ(row30.y, 600);
    EXPECT_EQ(row30.linesBelowY, 1);
    EXPECT_EQ(row30.items, Row(30, ".  W30", 55, " 30"));
}

TEST(WordListPage, SixtyWordsPrintOnly56ButTheSummarySays60) {
    const RecordingCanvas canvas = Print(SummaryWithWords(60));
    ASSERT_EQ(canvas.lines.size(), 2U + 56U + 1U);
    EXPECT_EQ(WordLine(canvas, 56).items, Row(56, ".  W56", 55, " 56"));
    EXPECT_EQ(WordLine(canvas, 56).linesBelowY, 27);
    EXPECT_EQ(canvas.lines.back().items, PrintItemList{PrintText{"Corvane Press"}});
    const auto& summary = std::get<PrintText>(canvas.lines.at(1).items.at(0)).Text;
    EXPECT_NE(summary.find("Words:  60     "), std::string::npos) << summary;
}

TEST(WordListPage, EmptyListPrintsTitleSummaryAndFooterOnly) {
    const RecordingCanvas canvas = Print(SummaryWithWords(0));
    ASSERT_EQ(canvas.lines.size(), 3U);
    EXPECT_EQ(canvas.lines.back().y, 6100);
}

TEST(WordListPage, EmptyPointsColumnStillEndsWithTheColumnStop) {
    WordListSummary summary = SummaryWithWords(1);
    summary.Rows[0].Points.clear();
    const RecordingCanvas canvas = Print(summary);
    EXPECT_EQ(WordLine(canvas, 1).items, Row(1, ".    W1", 20, ""));
}

} // namespace
} // namespace lexabit
