#pragma once

#include "game/print/WordListPage.h"

#include <vector>

class QTreeWidget;

namespace lexabit {

// The rows of the list of words found as it shows them, top row (the newest word)
// first: the word and its points text.
std::vector<WordListRow> WordListRows(const QTreeWidget& wordList);

} // namespace lexabit
