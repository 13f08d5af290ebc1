#include "records/WordListPdf.h"

#include "records/WordListPagePainting.h"
#include "ui/GameText.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace lexabit {

namespace {

constexpr int DotsPerInch = 600;
constexpr double PrinterMargin = 0.25;

FileOutcome Failure(const QString& path, const QString& reason) {
    return FileOutcome::Failure(RulesText(
        QStringLiteral("Could not save %1: %2.").arg(QDir::toNativeSeparators(path), reason)));
}

} // namespace

FileOutcome SaveWordListPdf(const QString& path, const WordListSummary& summary) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return Failure(path, QStringLiteral("the folder cannot be made"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Failure(path, file.errorString());
    }
    bool painted = false;
    {
        // The writer finishes the file when the page ends; it must be gone before the commit.
        QPdfWriter writer(&file);
        writer.setResolution(DotsPerInch);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        // The margins of a usual printer, so that the file prints as the sheet would.
        writer.setPageMargins(QMarginsF(PrinterMargin, PrinterMargin, PrinterMargin, PrinterMargin),
                              QPageLayout::Inch);
        writer.setCreator(QStringLiteral("Lexabit Solitaire"));
        writer.setTitle(QStringLiteral("Lexabit Solitaire"));
        painted = PaintWordListPage(writer, summary);
    }
    if (!painted) {
        file.cancelWriting();
        return Failure(path, QStringLiteral("the page could not be drawn"));
    }
    if (!file.commit()) {
        return Failure(path, file.errorString());
    }
    return FileOutcome::Success();
}

} // namespace lexabit
