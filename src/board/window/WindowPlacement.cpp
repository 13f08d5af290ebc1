#include "board/window/WindowPlacement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

namespace lexabit {

int TitleBarWidth(const QString& title) {
    // Title bars commonly show the title in the bold system font.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + TitleBarButtonsWidth;
}

void ShowOverBoard(QWidget& window, const QWidget& mainWindow) {
    // A dialog window is transient for its parent, which keeps it above the board when
    // the board is clicked; the X11 window system marks no plain window so. None of them
    // is modal.
    if (window.windowType() != Qt::Dialog) {
        window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    }
    if (!window.isVisible()) {
        const int needed = std::max(window.minimumWidth(), TitleBarWidth(window.windowTitle()));
        window.setMaximumWidth(std::max(window.maximumWidth(), needed));
        window.setMinimumWidth(needed);
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
