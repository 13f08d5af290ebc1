#pragma once

#include "game/ScoreEntry.h"

namespace lexabit {

// The table's order: higher points first, compared as numbers (for scores from 0
// to 999 that is also the order of the padded texts); an entry whose Points is not
// a number goes below every scored entry. Equal entries keep their order.
bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b);

// Puts the table in that order, keeping the order of equal entries.
void SortScoreTable(ScoreTable& table);

// Adds an entry to an ordered table below every entry with the same points, so that
// an older result keeps its place ahead of a newer equal one.
void InsertScoreEntry(ScoreTable& table, ScoreEntry entry);

} // namespace lexabit
