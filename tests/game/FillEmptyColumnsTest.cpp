#include "MotionFakes.h"
#include "TestTable.h"
#include "game/play/Deal.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::TestTable;

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

TEST(FillEmptyColumns, FreshDealGivesFirstThreeVowelsThenFirstFourConsonantsOnTheMarkers) {
    TestTable table("BCADFEGHOIJK");
    table.state.Card(table.Marker(2)).Left = 203.5F; // a glide would stop half a pixel away
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);

    EXPECT_EQ(LettersOnColumns(table.state), "AEOBCDF");
    ASSERT_EQ(effects.glides.size(), 7U);
    EXPECT_EQ(effects.glides[0].index, 3);
    EXPECT_EQ(effects.glides[3].index, 1);
    EXPECT_EQ(effects.glides[1].left, 203.5);
    for (int column = 1; column <= 7; ++column) {
        const auto& glide = effects.glides[static_cast<std::size_t>(column - 1)];
        EXPECT_EQ(glide.steps, 30);
        EXPECT_EQ(glide.fromLeft, TestTable::PackLeft);
        const CardRecord& card = table.state.Card(glide.index);
        const CardRecord& marker = table.state.Card(table.Marker(column));
        EXPECT_TRUE(card.Visible);
        EXPECT_EQ(card.Tag, CardTag::Table);
        EXPECT_EQ(card.Left, marker.Left);
        EXPECT_EQ(card.Top, marker.Top);
    }
    EXPECT_EQ(effects.sounds, std::vector<std::string>(7, "InitAnimation"));
    EXPECT_EQ(effects.events[0], "glide 3");
    EXPECT_EQ(effects.events[1], "sound InitAnimation");
}

TEST(FillEmptyColumns, TooFewVowelsLeftDealsTheNextPackCards) {
    TestTable table("BCADFEGHJK");
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);
    EXPECT_EQ(LettersOnColumns(table.state), "BCADFEG");
}

TEST(FillEmptyColumns, TooFewConsonantsLeftDealsTheNextPackCards) {
    TestTable table("AEIOUBCDA");
    table.PutOnTable(6, 600, 500); // B lies on the table already, outside the columns
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);
    EXPECT_EQ(LettersOnColumns(table.state), "AEIOUCD");
}

TEST(FillEmptyColumns, BalancedTableReceivesNothing) {
    TestTable table("AEIBCDFOGH");
    for (int i = 1; i <= 7; ++i) {
        table.PutOnTable(i, 600 + static_cast<float>(i), 500); // wherever they lie
    }
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);
    EXPECT_EQ(LettersOnColumns(table.state), ".......");
    EXPECT_TRUE(effects.glides.empty());
    EXPECT_TRUE(effects.sounds.empty());
}

TEST(FillEmptyColumns, ColumnCoveredByACardIsNotEmpty) {
    TestTable table("BCADFEGHOIJK");
    table.PutInColumn(12, 3); // K kept on the table from the last word
    GlidingEffects effects(table.state);
    EXPECT_FALSE(ColumnIsEmpty(table.state, table.Marker(3)));
    FillEmptyColumns(table.state, effects);
    EXPECT_EQ(LettersOnColumns(table.state), "AEKOBCD");
    EXPECT_EQ(effects.glides.size(), 6U);
}

TEST(FillEmptyColumns, EmptyPackMovesNothingAndPlaysNothing) {
    TestTable table("AB");
    table.MarkUsed(1);
    table.MarkUsed(2);
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);
    EXPECT_TRUE(effects.glides.empty());
    EXPECT_TRUE(effects.sounds.empty());
}

TEST(ColumnIsEmpty, OnlyExactPlacesOfCardsOutsideThePackCount) {
    TestTable table("ABC");
    const int marker = table.Marker(1);
    table.state.Card(1).Left = TestTable::ColumnLeft(1); // a pack card on the marker
    table.state.Card(1).Top = TestTable::ColumnTop;
    EXPECT_TRUE(ColumnIsEmpty(table.state, marker));
    table.PutOnTable(2, TestTable::ColumnLeft(1) + 0.5F, TestTable::ColumnTop);
    EXPECT_TRUE(ColumnIsEmpty(table.state, marker));
    table.PutOnTable(3, TestTable::ColumnLeft(1), TestTable::ColumnTop);
    EXPECT_FALSE(ColumnIsEmpty(table.state, marker));
}

TEST(PackCounts, VowelsAndConsonantsOfThePackOnly) {
    TestTable table("AYEBUZ");
    table.PutInColumn(1, 1);
    table.MarkUsed(4);
    EXPECT_EQ(PackVowels(table.state), 2);     // E, U
    EXPECT_EQ(PackConsonants(table.state), 2); // Y counts as a consonant, and Z
}

} // namespace
} // namespace lexabit
