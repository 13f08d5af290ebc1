#include "records/PrintCommands.h"

#include "records/WordListPopup.h"
#include "records/WordListPrinter.h"
#include "ui/GameMenus.h"

#include <QAction>
#include <QMenu>

namespace lexabit {

void ConnectPrintCommands(const GameMenus& menus, WordListPrinter& printer, QTreeWidget& wordList) {
    QObject::connect(menus.Print, &QAction::triggered, &printer, &WordListPrinter::Print_Click);
    QObject::connect(menus.PrintList, &QAction::triggered, &printer,
                     &WordListPrinter::PrintList_Click);
    QObject::connect(menus.TextColor, &QAction::triggered, &printer,
                     &WordListPrinter::TextColor_Click);
    ConnectWordListPopup(wordList, *menus.WordListMenu);
}

} // namespace lexabit
