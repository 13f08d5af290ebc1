#pragma once

class QMenu;
class QTreeWidget;

namespace lexabit {

// Opens the pop-up menu where the right mouse button is used on the word list (or the
// keyboard's menu key is pressed on it); the other buttons leave the list as it is.
// Its "Exit" entry needs nothing: choosing any entry closes the menu.
void ConnectWordListPopup(QTreeWidget& wordList, QMenu& popup);

} // namespace lexabit
