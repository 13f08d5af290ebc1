#pragma once

#include "game/print/PageCanvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lexabit {

// One row of the list of words found, as the list shows it.
struct WordListRow {
    std::string Word;
    std::string Points;
};

// Everything the printed page sums up about the game.
struct WordListSummary {
    long long TotalScore = 0;
    // The list's rows in its order: the word found last first.
    std::vector<WordListRow> Rows;
    std::string PlayingTime;
    long long CardsLeft = 0;
    std::string Rating;
    // Black until the player chooses another printer text colour.
    std::int32_t TextColor = 0;
};

// Lays out the one-page summary of the game: title, summary line, the numbered
// words in two columns of 28 lines, and the publisher's name, then ends the document.
void PrintWordListPage(PageCanvas& canvas, const WordListSummary& summary);

} // namespace lexabit
