#pragma once

#include "game/WordListPage.h"

class QPagedPaintDevice;

namespace lexabit {

// Lays the word list's page out on a printer or a PDF writer. False when the device
// would not start the page or could not finish it.
bool PaintWordListPage(QPagedPaintDevice& device, const WordListSummary& summary);

} // namespace lexabit
