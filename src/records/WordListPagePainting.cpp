#include "records/WordListPagePainting.h"

#include "game/ItemListCanvas.h"
#include "records/PainterTextDevice.h"

namespace lexabit {

bool PaintWordListPage(QPagedPaintDevice& device, const WordListSummary& summary) {
    PainterTextDevice text(device);
    if (!text.Began()) {
        return false;
    }
    ItemListCanvas canvas(text);
    PrintWordListPage(canvas, summary);
    return text.Ended();
}

} // namespace lexabit
