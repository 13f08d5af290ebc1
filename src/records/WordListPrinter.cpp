#include "records/WordListPrinter.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"
#include "game/scoring/ScoreTexts.h"
#include "records/WordListPageOutput.h"
#include "ui/ColourValue.h"
#include "ui/GameMenus.h"
#include "ui/GameText.h"

#include <QAction>
#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTreeWidget>

namespace lexabit {

namespace {

std::unique_ptr<QPrinter> SystemDefaultPrinter() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        return nullptr;
    }
    // The page is drawn at the printer's own resolution, so it prints sharp.
    return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
}

QString DocumentsOrHome() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) {
        return documents;
    }
    return QDir::homePath();
}

} // namespace

PrintOutlets PrintOutlets::OfThisSystem(QWidget& window) {
    PrintOutlets outlets;
    outlets.DefaultPrinter = SystemDefaultPrinter;
    outlets.DocumentsFolder = DocumentsOrHome;
    outlets.ShowMessage = [&window](const PrintMessage& message) {
        if (message.IsProblem) {
            QMessageBox::warning(&window, message.Title, message.Text);
        } else {
            QMessageBox::information(&window, message.Title, message.Text);
        }
    };
    return outlets;
}

namespace {

QDateTime LocalTime(GameTime time) {
    return QDateTime::fromSecsSinceEpoch(time.time_since_epoch().count());
}

} // namespace

WordListPrinter::WordListPrinter(const GameState& state, const Clock& clock, QWidget& window,
                                 PrintOutlets outlets)
    : QObject(&window), state_(state), clock_(clock), window_(window),
      outlets_(std::move(outlets)) {}

void WordListPrinter::Print_Click() {
    PrintList_Click();
}

void WordListPrinter::PrintList_Click() {
    const WordListSummary summary = Summary();
    if (const std::unique_ptr<QPrinter> printer = outlets_.DefaultPrinter()) {
        PrintOn(*printer, summary);
    } else {
        SaveAsPdf(summary);
    }
}

void WordListPrinter::TextColor_Click() {
    QColorDialog& dialog = ColourDialog();
    dialog.setCurrentColor(ToQColor(textColor_));
    if (dialog.exec() == QDialog::Accepted) {
        textColor_ = ToColourValue(dialog.selectedColor());
    }
}

WordListSummary WordListPrinter::Summary() const {
    WordListSummary summary;
    summary.TotalScore = state_.TotalScore;
    // As the list of words found shows them: the newest at the top.
    for (auto found = state_.WordsFound.rbegin(); found != state_.WordsFound.rend(); ++found) {
        summary.Rows.push_back({found->Word, found->Points});
    }
    summary.PlayingTime = state_.Clocks.PlayingTime;
    summary.CardsLeft = CardsLeft(state_);
    summary.Rating = SkillLevel(state_);
    summary.TextColor = textColor_;
    return summary;
}

void WordListPrinter::PrintOn(QPrinter& printer, const WordListSummary& summary) {
    printer.setDocName(Text(product::Title));
    const bool printed = PaintWordListPage(printer, summary);
    if (!printed || printer.printerState() == QPrinter::Error) {
        Tell(QStringLiteral("The word list could not be printed on the printer \"%1\".")
                 .arg(printer.printerName()),
             true);
    }
}

void WordListPrinter::SaveAsPdf(const WordListSummary& summary) {
    const QString path = UnusedPdfPath(outlets_.DocumentsFolder(), LocalTime(clock_.Now()));
    const FileOutcome saved = SaveWordListPdf(path, summary);
    if (saved.Ok) {
        Tell(QStringLiteral("There is no printer, so the word list was saved as a PDF file:\n%1")
                 .arg(QDir::toNativeSeparators(path)),
             false);
    } else {
        Tell(QStringLiteral("There is no printer, and the word list could not be saved. ") +
                 Text(saved.Problem),
             true);
    }
}

void WordListPrinter::Tell(const QString& text, bool isProblem) const {
    outlets_.ShowMessage({Text(product::Title), text, isProblem});
}

QColorDialog& WordListPrinter::ColourDialog() {
    if (textColourDialog_ == nullptr) {
        // Made on first use and kept, like the dialog on the main window it stands for.
        textColourDialog_ = new QColorDialog(&window_);
        textColourDialog_->setObjectName(QStringLiteral("PC"));
    }
    return *textColourDialog_;
}

void ConnectWordListPopup(QTreeWidget& wordList, QMenu& popup) {
    wordList.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&wordList, &QWidget::customContextMenuRequested, &popup,
                     [&wordList, &popup](const QPoint& at) {
                         // A list's menu request comes in the coordinates of its viewport.
                         popup.popup(wordList.viewport()->mapToGlobal(at));
                     });
}

void ConnectPrintCommands(const GameMenus& menus, WordListPrinter& printer, QTreeWidget& wordList) {
    QObject::connect(menus.Print, &QAction::triggered, &printer, &WordListPrinter::Print_Click);
    QObject::connect(menus.PrintList, &QAction::triggered, &printer,
                     &WordListPrinter::PrintList_Click);
    QObject::connect(menus.TextColor, &QAction::triggered, &printer,
                     &WordListPrinter::TextColor_Click);
    ConnectWordListPopup(wordList, *menus.WordListMenu);
}

} // namespace lexabit
