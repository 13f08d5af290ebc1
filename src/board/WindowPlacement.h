#pragma once

class QWidget;

namespace lexabit {

// Shows a secondary window, not modal, in front; the first time it opens it stands
// centred over the main window rather than wherever the system would put it.
void ShowOverBoard(QWidget& window, const QWidget& mainWindow);

} // namespace lexabit
