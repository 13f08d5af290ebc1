#pragma once

#include "game/print/WordListPage.h"
#include "records/PrintOutlets.h"

#include <QObject>
#include <cstdint>

class QColorDialog;
class QPrinter;
class QWidget;

namespace lexabit {

class Clock;
class GameState;

// The board's printing commands: the page that sums up the game goes straight to the
// default printer, or, when there is none, into a PDF file the player is told about.
// The printer text colour is chosen in the colour dialog "PC" and lasts for the run.
class WordListPrinter : public QObject {
public:
    // The state, clock and window must outlive the printer, which the window owns.
    WordListPrinter(const GameState& state, const Clock& clock, QWidget& window,
                    PrintOutlets outlets);

    // File > "Print " (F5).
    void Print_Click();
    // The word list's pop-up "Print List".
    void PrintList_Click();
    // The word list's pop-up "Printer text color".
    void TextColor_Click();

    // Red in the low byte; black until the player chooses another.
    std::int32_t TextColor() const { return textColor_; }
    // What the page shows now.
    WordListSummary Summary() const;

private:
    void PrintOn(QPrinter& printer, const WordListSummary& summary);
    void SaveAsPdf(const WordListSummary& summary);
    void Tell(const QString& text, bool isProblem) const;
    QColorDialog& ColourDialog();

    const GameState& state_;
    const Clock& clock_;
    QWidget& window_;
    PrintOutlets outlets_;
    QColorDialog* textColourDialog_ = nullptr;
    std::int32_t textColor_ = 0;
};

} // namespace lexabit
