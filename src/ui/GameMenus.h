#pragma once

#include <QKeySequence>

class QAction;
class QMainWindow;
class QMenu;

namespace lexabit {

// The commands of the board's menu bar and of the word list's pop-up menu,
// each action named after its command.
struct GameMenus {
    QAction* NewGame = nullptr;
    QAction* sh = nullptr;
    QAction* Undo = nullptr;
    QAction* Print = nullptr;
    QAction* Highscore = nullptr;
    QAction* EndGame = nullptr;
    QAction* Exit = nullptr;
    QAction* BgOptions = nullptr;
    QAction* CardsOptions = nullptr;
    QAction* Level = nullptr;
    QAction* LF = nullptr;
    QAction* SoundOnOff = nullptr;
    QAction* Hint = nullptr;
    QAction* Contents = nullptr;
    QAction* Website = nullptr;
    QAction* Ab = nullptr;
    QMenu* mnuPrint = nullptr;
    QAction* PrintList = nullptr;
    QAction* TextColor = nullptr;
    QAction* popExit = nullptr;
};

// Creates the menu bar of the window and the pop-up menu of the word list.
GameMenus BuildGameMenus(QMainWindow& window);

// Whether the key is the shortcut of a menu command, available at the moment or not.
bool IsCommandKey(const GameMenus& menus, const QKeySequence& key);

} // namespace lexabit
