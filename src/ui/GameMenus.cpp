#include "ui/GameMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace lexabit {

namespace {

// A command with its function key and, where the desktop has one, its usual shortcut.
QAction* AddCommand(QMenu* menu, const char* name, const QString& caption,
                    const QList<QKeySequence>& keys = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty()) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    return action;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

GameMenus BuildGameMenus(QMainWindow& window) {
    GameMenus m;
    QMenuBar* bar = window.menuBar();

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    m.NewGame =
        AddCommand(file, "NewGame", QStringLiteral("New Game"), {Qt::Key_F2, Qt::CTRL | Qt::Key_N});
    AddSeparator(file, "mnuLine1");
    m.ShuffleSurface = AddCommand(file, "sh", QStringLiteral("Shuffle surface"), {Qt::Key_F3});
    m.Undo = AddCommand(file, "Undo", QStringLiteral("Undo"), {Qt::Key_F4, Qt::CTRL | Qt::Key_Z});
    m.Print =
        AddCommand(file, "Print", QStringLiteral("Print "), {Qt::Key_F5, Qt::CTRL | Qt::Key_P});
    m.Highscore = AddCommand(file, "Highscore", QStringLiteral("View Highscore"), {Qt::Key_F6});
    AddSeparator(file, "mnuLine2");
    m.EndGame = AddCommand(file, "EndGame", QStringLiteral("End Game"), {Qt::Key_F7});
    m.Exit = AddCommand(file, "Exit", QStringLiteral("Exit"), {Qt::Key_F8, Qt::CTRL | Qt::Key_Q});

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options"));
    m.BackgroundColor = AddCommand(options, "BgOptions", QStringLiteral("Set Background Color"));
    m.CardsOptions = AddCommand(options, "CardsOptions", QStringLiteral("Cards Options"));
    m.Level = AddCommand(options, "Level", QStringLiteral("Difficulty level"));
    m.LettersWindow = AddCommand(options, "LF", QStringLiteral("Letters Form"));
    m.LettersWindow->setVisible(false);
    m.SoundOnOff = AddCommand(options, "SoundOnOff", QStringLiteral("Sound On"));
    m.SoundOnOff->setCheckable(true);
    m.SoundOnOff->setChecked(true);
    AddSeparator(options, "mnuLine4");
    m.Hint = AddCommand(options, "Hint", QStringLiteral("Hint"), {Qt::CTRL | Qt::Key_H});
    m.Pause = AddCommand(options, "Pause", QStringLiteral("Pause"), {Qt::Key_Pause});
    m.Pause->setCheckable(true);
    m.KeyboardPlay = AddCommand(options, "KeyboardPlay", QStringLiteral("Keyboard Play"));
    m.KeyboardPlay->setCheckable(true);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help"));
    m.Contents = AddCommand(help, "Contents", QStringLiteral("Contents"), {Qt::Key_F1});
    m.Website = AddCommand(help, "Website", QStringLiteral("Website"), {Qt::Key_F9});
    AddSeparator(help, "mnuLine3");
    m.About = AddCommand(help, "Ab", QStringLiteral("About"));

    m.WordListMenu = new QMenu(&window);
    m.WordListMenu->setObjectName(QStringLiteral("mnuPrint"));
    m.PrintList = AddCommand(m.WordListMenu, "PrintList", QStringLiteral("Print List"));
    m.TextColor = AddCommand(m.WordListMenu, "TextColor", QStringLiteral("Printer text color"));
    m.WordListExit = AddCommand(m.WordListMenu, "popExit", QStringLiteral("Exit"));
    return m;
}

bool IsCommandKey(const GameMenus& menus, const QKeySequence& key) {
    for (const QAction* command :
         {menus.NewGame, menus.ShuffleSurface, menus.Undo, menus.Print, menus.Highscore,
          menus.EndGame, menus.Exit, menus.BackgroundColor, menus.CardsOptions, menus.Level,
          menus.LettersWindow, menus.SoundOnOff, menus.Pause, menus.Contents, menus.Website,
          menus.About, menus.PrintList, menus.TextColor, menus.WordListExit}) {
        if (command != nullptr && command->shortcuts().contains(key)) {
            return true;
        }
    }
    return false;
}

} // namespace lexabit
