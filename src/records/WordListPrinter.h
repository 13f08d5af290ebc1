#pragma once

// The board's printing: where it meets the system, the printer of the word list's page
// and the commands and pop-up menu that reach it.

#include "game/print/WordListPage.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QColorDialog;
class QMenu;
class QPrinter;
class QTreeWidget;
class QWidget;

namespace lexabit {

// A message to the player about a printing: a box with an OK button.
struct PrintMessage {
    QString Title;
    QString Text;
    // A page that could not be printed or saved, rather than news of where it went.
    bool IsProblem = false;
};

// Where printing meets the system: the default printer, the folder for the page when
// there is no printer, and the message boxes. Tests put their own in.
struct PrintOutlets {
    // The default printer set up for the page, or nothing when the system has none.
    std::function<std::unique_ptr<QPrinter>()> DefaultPrinter;
    // The player's documents folder, else the home folder.
    std::function<QString()> DocumentsFolder;
    std::function<void(const PrintMessage&)> ShowMessage;

    // The system's default printer at its high resolution, the documents folder and
    // message boxes over the window.
    static PrintOutlets OfThisSystem(QWidget& window);
};

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

// Opens the pop-up menu where the right mouse button is used on the word list (or the
// keyboard's menu key is pressed on it); the other buttons leave the list as it is.
// Its "Exit" entry needs nothing: choosing any entry closes the menu.
void ConnectWordListPopup(QTreeWidget& wordList, QMenu& popup);

struct GameMenus;
class WordListPrinter;

// Connects File > "Print ", the word list's pop-up menu and its entries to the printer.
void ConnectPrintCommands(const GameMenus& menus, WordListPrinter& printer, QTreeWidget& wordList);

} // namespace lexabit
