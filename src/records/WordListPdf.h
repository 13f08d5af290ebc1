#pragma once

#include "game/files/AtomicFileWrite.h"
#include "game/print/WordListPage.h"

#include <QString>

namespace lexabit {

// Writes the word list's page as a one-page PDF, letter size at 600 dots per inch with
// quarter-inch margins, so that the page's printer positions land where they would on a
// printed sheet. The folder is made when missing; a file that cannot be finished is not
// left behind.
FileOutcome SaveWordListPdf(const QString& path, const WordListSummary& summary);

} // namespace lexabit
