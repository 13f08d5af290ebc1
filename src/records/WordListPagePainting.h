#pragma once

#include "game/print/WordListPage.h"

class QPagedPaintDevice;

namespace lexabit {

// Lays the word list's page out on a printer or a PDF writer, in the pixels of a 600
// dots-per-inch printer, and draws it at the device's own resolution, so the page looks
// the same on every printer. A page whose text would run past the printable area, with
// a wide font, is drawn smaller as a whole, so that no word is cut off. False when the
// device would not start the page or could not finish it.
bool PaintWordListPage(QPagedPaintDevice& device, const WordListSummary& summary);

} // namespace lexabit
