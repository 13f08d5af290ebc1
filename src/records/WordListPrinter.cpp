#include "records/WordListPrinter.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"
#include "game/scoring/ScoreTexts.h"
#include "records/PdfFileName.h"
#include "records/WordListPagePainting.h"
#include "records/WordListPdf.h"
#include "ui/ColourValue.h"
#include "ui/GameText.h"

#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QPrinter>
#include <QTreeWidget>

namespace lexabit {

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

} // namespace lexabit
