#include "records/WordListRows.h"

#include "ui/GameText.h"

#include <QTreeWidget>

namespace lexabit {

std::vector<WordListRow> WordListRows(const QTreeWidget& wordList) {
    std::vector<WordListRow> rows;
    const int count = wordList.topLevelItemCount();
    rows.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const QTreeWidgetItem* item = wordList.topLevelItem(i);
        rows.push_back({RulesText(item->text(0)), RulesText(item->text(1))});
    }
    return rows;
}

} // namespace lexabit
