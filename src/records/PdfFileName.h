#pragma once

#include <QString>

class QDateTime;

namespace lexabit {

// The name of the page saved when there is no printer, after the moment it was made:
// "Lexabit Solitaire 2026-12-06 14-03-22.pdf".
QString PdfFileName(const QDateTime& when);

// That name in the folder, with " (2)", " (3)" ... before ".pdf" while the name is
// taken, so that a page saved twice in one second keeps the first file.
QString UnusedPdfPath(const QString& folder, const QDateTime& when);

} // namespace lexabit
