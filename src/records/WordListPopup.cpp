#include "records/WordListPopup.h"

#include <QMenu>
#include <QTreeWidget>

namespace lexabit {

void ConnectWordListPopup(QTreeWidget& wordList, QMenu& popup) {
    wordList.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&wordList, &QWidget::customContextMenuRequested, &popup,
                     [&wordList, &popup](const QPoint& at) {
                         // A list's menu request comes in the coordinates of its viewport.
                         popup.popup(wordList.viewport()->mapToGlobal(at));
                     });
}

} // namespace lexabit
