#pragma once

class QString;
class QWidget;

namespace lexabit {

// Room a window frame takes beside its title: the window's icon and its three buttons.
inline constexpr int TitleBarButtonsWidth = 150;

// The width a window needs so that the system's title bar shows its whole title.
int TitleBarWidth(const QString& title);

// Shows a secondary window, not modal, in front and transient for the main window, so it
// stays above it; the first time it opens it stands centred over the main window rather
// than wherever the system would put it, wide enough for its whole title.
void ShowOverBoard(QWidget& window, const QWidget& mainWindow);

} // namespace lexabit
