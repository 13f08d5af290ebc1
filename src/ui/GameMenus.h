#pragma once

#include <QKeySequence>

class QAction;
class QMainWindow;
class QMenu;

namespace lexabit {

// The commands of the board's menu bar and of the word list's pop-up menu, each member
// named after its command; the actions keep the menu items' short object names ("sh",
// "LF", "Ab", "BgOptions", "mnuPrint", "popExit") by which scripts find them.
struct GameMenus {
    QAction* NewGame = nullptr;
    QAction* ShuffleSurface = nullptr;
    QAction* Undo = nullptr;
    QAction* Print = nullptr;
    QAction* Highscore = nullptr;
    QAction* EndGame = nullptr;
    QAction* Exit = nullptr;
    QAction* BackgroundColor = nullptr;
    QAction* CardsOptions = nullptr;
    QAction* Level = nullptr;
    QAction* LettersWindow = nullptr;
    QAction* SoundOnOff = nullptr;
    QAction* Hint = nullptr;
    QAction* Pause = nullptr;
    QAction* KeyboardPlay = nullptr;
    QAction* Contents = nullptr;
    QAction* Website = nullptr;
    QAction* About = nullptr;
    QMenu* WordListMenu = nullptr;
    QAction* PrintList = nullptr;
    QAction* TextColor = nullptr;
    QAction* WordListExit = nullptr;
};

// Creates the menu bar of the window and the pop-up menu of the word list.
GameMenus BuildGameMenus(QMainWindow& window);

// Whether the key is the shortcut of a menu command, available at the moment or not.
bool IsCommandKey(const GameMenus& menus, const QKeySequence& key);

} // namespace lexabit
