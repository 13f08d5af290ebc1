#include "board/WindowPlacement.h"

#include <QWidget>

namespace lexabit {

void ShowOverBoard(QWidget& window, const QWidget& mainWindow) {
    if (!window.isVisible()) {
        window.adjustSize();
        window.move(mainWindow.geometry().center() - window.rect().center());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace lexabit
