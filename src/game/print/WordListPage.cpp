#include "game/print/WordListPage.h"

#include "game/model/Texts.h"

#include <cstddef>

namespace lexabit {

namespace {

constexpr double TitleX = 1600;
constexpr double TitleY = 3;
constexpr double SummaryY = 300;
constexpr double WordsTopY = 600;
constexpr double SecondColumnX = 2500;
constexpr double FooterX = 2000;
constexpr double FooterY = 6100;

constexpr int RowsPerColumn = 28;
constexpr int PrintedRows = 2 * RowsPerColumn;
constexpr int FirstColumnPointsStop = 20;
constexpr int SecondColumnPointsStop = 55;

constexpr std::string_view Gap = "     ";

std::string SummaryLine(const WordListSummary& summary) {
    std::string line = "Points: " + NumberText(summary.TotalScore);
    line += std::string(Gap) + "Words: " + NumberText(static_cast<long long>(summary.Rows.size()));
    line += std::string(Gap) + "Time: " + summary.PlayingTime;
    line += std::string(Gap) + "Cards Left: " + NumberText(summary.CardsLeft);
    line += std::string(Gap) + "Rating: " + summary.Rating;
    return line;
}

// Single-digit numbers get two blanks more, so that the words of rows 1 to 28 line up.
PrintItemList RowItems(int number, const WordListRow& row, int pointsColumn) {
    const std::string_view dot = number < 10 ? ".    " : ".  ";
    return {PrintNumber{number}, PrintText{std::string(dot) + row.Word}, ColumnStop{pointsColumn},
            PrintText{row.Points}};
}

void PrintWordRows(PageCanvas& canvas, const std::vector<WordListRow>& rows) {
    const int count = static_cast<int>(rows.size());
    for (int number = 1; number <= count && number <= PrintedRows; ++number) {
        const WordListRow& row = rows[static_cast<std::size_t>(number - 1)];
        if (number <= RowsPerColumn) {
            canvas.PrintItems(RowItems(number, row, FirstColumnPointsStop));
            continue;
        }
        if (number == RowsPerColumn + 1) {
            canvas.SetY(WordsTopY);
        }
        canvas.SetX(SecondColumnX);
        canvas.PrintItems(RowItems(number, row, SecondColumnPointsStop));
    }
}

} // namespace

void PrintWordListPage(PageCanvas& canvas, const WordListSummary& summary) {
    canvas.SetUnitToDevicePixels();
    canvas.SetY(TitleY);
    canvas.SetFontSize(20);
    canvas.SetTextColor(summary.TextColor);

    canvas.SetX(TitleX);
    canvas.PrintItems({PrintText{std::string(product::Title)}});

    canvas.SetFontSize(16);
    canvas.SetY(SummaryY);
    canvas.PrintItems({PrintText{SummaryLine(summary)}});

    canvas.SetFontSize(20);
    canvas.SetY(WordsTopY);
    PrintWordRows(canvas, summary.Rows);

    canvas.SetFontSize(14);
    canvas.SetY(FooterY);
    canvas.SetX(FooterX);
    canvas.PrintItems({PrintText{std::string(product::Publisher)}});

    canvas.EndDocument();
}

} // namespace lexabit
