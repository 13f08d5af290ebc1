#pragma once

class QTreeWidget;

namespace lexabit {

struct GameMenus;
class WordListPrinter;

// Connects File > "Print ", the word list's pop-up menu and its entries to the printer.
void ConnectPrintCommands(const GameMenus& menus, WordListPrinter& printer, QTreeWidget& wordList);

} // namespace lexabit
