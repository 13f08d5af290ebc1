#include "MotionFakes.h"
#include "TestTable.h"
#include "game/play/Deal.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::TestTable;

// The letter lying exactly on each column's marker, or a dot.
std::string LettersOnColumns(const GameState& state) {
    std::string letters;
    for (int column = 1; column <= 7; ++column) {
        const CardRecord& marker = state.Card(state.MarkerIndex(column));
        std::string found = ".";
        for (int i = 1; i <= state.CardsTotal; ++i) {
            const CardRecord& card = state.Card(i);
            if (card.Tag == CardTag::Table && card.Left == marker.Left && card.Top == marker.Top) {
                found = card.DataField;
            }
        }
        letters += found;
    }
    return letters;
}

TEST(FillEmptyColumns, AFreshDealGlidesTheFirstThreeVowelsThenFourConsonantsOntoTheMarkers) {
    TestTable table("BCADFEGHOIJK");
    table.state.Card(table.Marker(2)).Left = 203.5F; // a glide would stop half a pixel away
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);

    EXPECT_EQ(LettersOnColumns(table.state), "AEOBCDF");
    ASSERT_EQ(effects.glides.size(), 7U);
    for (const auto& glide : effects.glides) {
        EXPECT_EQ(glide.steps, 30);
        EXPECT_EQ(glide.fromLeft, TestTable::PackLeft);
        EXPECT_TRUE(table.state.Card(glide.index).Visible);
    }
    EXPECT_EQ(effects.sounds, std::vector<std::string>(7, "InitAnimation"));
    EXPECT_EQ(effects.events[0], "glide 3");
    EXPECT_EQ(effects.events[1], "sound InitAnimation");
}

TEST(FillEmptyColumns, DealsFromThePackByWhatTheTableLacks) {
    struct Row {
        const char* letters;
        std::function<void(TestTable&)> before;
        const char* columns;
    };
    const auto none = [](TestTable&) {};
    const Row rows[] = {
        {"BCADFEGHJK", none, "BCADFEG"}, // too few vowels left: the next pack cards
        {"AEIOUBCDA", [](TestTable& t) { t.PutOnTable(6, 600, 500); }, "AEIOUCD"}, // B laid
        {"BCADFEGHOIJK", [](TestTable& t) { t.PutInColumn(12, 3); }, "AEKOBCD"},   // K covers 3
        {"AEIBCDFOGH",
         [](TestTable& t) {
             for (int i = 1; i <= 7; ++i) { // balanced, wherever they lie
                 t.PutOnTable(i, 600 + static_cast<float>(i), 500);
             }
         },
         "......."},
        {"AB", [](TestTable& t) { t.MarkUsed(1), t.MarkUsed(2); }, "......."}, // empty pack
        {"BCADFEGHOIJK", // J half a pixel off marker 2: column 2 empty, J counts
         [](TestTable& t) {
             t.PutOnTable(11, TestTable::ColumnLeft(2) + 0.5F, TestTable::ColumnTop);
         },
         "AEOBCD."},
    };
    for (const Row& row : rows) {
        TestTable table(row.letters);
        row.before(table);
        GlidingEffects effects(table.state);
        FillEmptyColumns(table.state, effects);
        EXPECT_EQ(LettersOnColumns(table.state), row.columns) << row.letters;
        EXPECT_EQ(effects.sounds.size(), effects.glides.size()) << row.letters;
    }
}

} // namespace
} // namespace lexabit
