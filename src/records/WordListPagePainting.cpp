#include "records/WordListPagePainting.h"

#include "game/print/PageCanvas.h"
#include "records/PageFit.h"
#include "records/PainterTextDevice.h"
#include "records/TextExtentDevice.h"

#include <QPagedPaintDevice>

namespace lexabit {

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

} // namespace lexabit
