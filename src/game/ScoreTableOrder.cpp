#include "game/ScoreTableOrder.h"

#include "game/ScoreEntryText.h"

#include <algorithm>

namespace lexabit {

bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b) {
    const auto pointsA = PointsValue(a.Points);
    const auto pointsB = PointsValue(b.Points);
    if (pointsA && pointsB) {
        return *pointsA > *pointsB;
    }
    return pointsA.has_value() && !pointsB.has_value();
}

void SortScoreTable(ScoreTable& table) {
    std::stable_sort(table.begin(), table.end(), RanksAbove);
}

void InsertScoreEntry(ScoreTable& table, ScoreEntry entry) {
    const auto place = std::upper_bound(table.begin(), table.end(), entry, RanksAbove);
    table.insert(place, std::move(entry));
}

} // namespace lexabit
