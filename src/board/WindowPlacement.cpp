#include "board/WindowPlacement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace lexabit {

int TitleBarWidth(const QString& title) {
    // Title bars commonly show the title in the bold system font.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + TitleBarButtonsWidth;
}

void ShowOverBoard(QWidget& window, const QWidget& mainWindow) {
    if (!window.isVisible()) {
        const int needed = std::max(window.minimumWidth(), TitleBarWidth(window.windowTitle()));
        window.setMaximumWidth(std::max(window.maximumWidth(), needed));
        window.setMinimumWidth(needed);
        if (!window.testAttribute(Qt::WA_Resized)) {
            window.adjustSize(); // a window given a size of its own keeps it
        }
        window.move(mainWindow.geometry().center() - window.rect().center());
    }
    // Transient for the board, so that a click on the board never hides it behind.
    window.winId();
    QWindow* handle = window.windowHandle();
    if (handle != nullptr && handle->transientParent() != mainWindow.windowHandle()) {
        handle->setTransientParent(mainWindow.windowHandle());
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace lexabit
