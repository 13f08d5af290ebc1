#include "records/WordListPageOutput.h"

#include "game/model/Texts.h"
#include "game/print/PageCanvas.h"
#include "records/PageDevices.h"
#include "ui/GameText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTreeWidget>

namespace lexabit {

std::vector<WordListRow> WordListRows(const QTreeWidget& wordList) {
    std::vector<WordListRow> rows;
    const int count = wordList.topLevelItemCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = wordList.topLevelItem(i);
        rows.push_back({RulesText(item->text(0)), RulesText(item->text(1))});
    }
    return rows;
}

namespace {

QString Stem(const QDateTime& when) {
    // Colons are not allowed in file names everywhere the page may be copied to.
    return Text(product::Title) + QLatin1Char(' ') +
           when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
}

} // namespace

QString PdfFileName(const QDateTime& when) {
    return Stem(when) + QStringLiteral(".pdf");
}

QString UnusedPdfPath(const QString& folder, const QDateTime& when) {
    const QDir dir(folder);
    QString path = dir.filePath(PdfFileName(when));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = dir.filePath(Stem(when) + QStringLiteral(" (%1).pdf").arg(copy));
    }
    return path;
}

namespace {

QSizeF TextExtent(const QPagedPaintDevice& device, const WordListSummary& summary) {
    TextExtentDevice extent(device);
    ItemListCanvas canvas(extent);
    PrintWordListPage(canvas, summary);
    return extent.Extent();
}

} // namespace

bool PaintWordListPage(QPagedPaintDevice& device, const WordListSummary& summary) {
    PainterTextDevice text(device,
                           PageFitScale(TextExtent(device, summary), PrintableArea(device)));
    if (!text.Began()) {
        return false;
    }
    ItemListCanvas canvas(text);
    PrintWordListPage(canvas, summary);
    return text.Ended();
}

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
