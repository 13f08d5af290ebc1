#include "records/WordListPopup.h"

#include <QMenu>
#include <QTreeWidget>

namespace lexabit {

void ConnectWordListPopup(QTreeWidget& wordList, QMenu& mnuPrint) {
    wordList.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&wordList, &QWidget::customContextMenuRequested, &mnuPrint,
                     [&wordList, &mnuPrint](const QPoint& at) {
                         // A list's menu request comes in the coordinates of its viewport.
                         mnuPrint.popup(wordList.viewport()->mapToGlobal(at));
                     });
}

} // namespace lexabit
