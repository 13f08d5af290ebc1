#include "board/WindowPlacement.h"

#include <QWidget>

namespace lexabit {

void ShowOverBoard(QWidget& window, const QWidget& mainWindow) {
    if (!window.isVisible()) {
        if (!window.testAttribute(Qt::WA_Resized)) {
            window.adjustSize(); // a window given a size of its own keeps it
        }
        window.move(mainWindow.geometry().center() - window.rect().center());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace lexabit
