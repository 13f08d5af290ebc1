#pragma once

// The word list's page on paper or in a PDF: the rows read from the list, the page
// painted on a device, the PDF and the name it is saved under.

#include "game/files/AtomicFileWrite.h"
#include "game/print/WordListPage.h"

#include <QString>
#include <vector>

class QDateTime;
class QPagedPaintDevice;
class QTreeWidget;

namespace lexabit {

// The rows of the list of words found as it shows them, top row (the newest word)
// first: the word and its points text.
std::vector<WordListRow> WordListRows(const QTreeWidget& wordList);

// The name of the page saved when there is no printer, after the moment it was made:
// "Lexabit Solitaire 2026-12-06 14-03-22.pdf".
QString PdfFileName(const QDateTime& when);

// That name in the folder, with " (2)", " (3)" ... before ".pdf" while the name is
// taken, so that a page saved twice in one second keeps the first file.
QString UnusedPdfPath(const QString& folder, const QDateTime& when);

// Lays the word list's page out on a printer or a PDF writer, in the pixels of a 600
// dots-per-inch printer, and draws it at the device's own resolution, so the page looks
// the same on every printer. A page whose text would run past the printable area, with
// a wide font, is drawn smaller as a whole, so that no word is cut off. False when the
// device would not start the page or could not finish it.
bool PaintWordListPage(QPagedPaintDevice& device, const WordListSummary& summary);

// Writes the word list's page as a one-page PDF, letter size at 600 dots per inch with
// quarter-inch margins, so that the page's printer positions land where they would on a
// printed sheet. The folder is made when missing; a file that cannot be finished is not
// left behind.
FileOutcome SaveWordListPdf(const QString& path, const WordListSummary& summary);

} // namespace lexabit
