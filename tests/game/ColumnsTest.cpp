#include "MotionFakes.h"
#include "TestTable.h"
#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"
#include "game/play/Deal.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::TestTable;

TEST(BoardLayout, ColumnsStandAroundTheMiddleAThirdDownAndThePackAndPilesByTheCorners) {
    GameState state;
    state.ScaleWidth = 1000;
    state.ScaleHeight = 600;
    const std::pair<int, double> lefts[] = {{1, 145}, {2, 248}, {4, 454},
                                            {7, 763}, {0, 454}, {8, 454}};
    for (const auto& [column, left] : lefts) {
        EXPECT_EQ(ColumnPosition(state, column).Left, left) << column;
    }
    EXPECT_EQ(ColumnPosition(state, 4).Top, 200);
    state.ScaleHeight = 718.5; // 239.5 goes to 240
    EXPECT_EQ(ColumnPosition(state, 3).Top, 240);

    EXPECT_FALSE(LayoutApplies(715, 900));
    EXPECT_FALSE(LayoutApplies(900, 535));
    EXPECT_TRUE(LayoutApplies(716, 536));

    SCOPED_TRACE("the pack and the piles");
    state.ScaleHeight = 700;
    LayoutBoard(state);
    const BoardElements& e = state.Elements;
    EXPECT_EQ(std::pair(e.PackBack.Left, e.PackBack.Top), std::pair(50.0, 35.0));
    EXPECT_EQ(std::pair(e.DiscardDeck.Left, e.DiscardDeck.Top), std::pair(857.0, 534.0));
    EXPECT_DOUBLE_EQ(e.WordList.Left, 1000 - e.WordList.Width);
    EXPECT_DOUBLE_EQ(e.StatusBar.Top, 700 - e.StatusBar.Height);
}

// A resize moves every card lying in a column once, to that column's new top: when the
// columns move by a whole column's width, none is carried on into the next column. The places
// the game remembers in a column (where undo puts a card back, where a held card returns)
// move with it and keep their depth.
TEST(BoardLayout, OnResizeColumnCardsAndTheWordFollowTheirOwnMarkerAndPackCardsThePack) {
    for (const double width : {1117.0, 705.0, 1000.0}) { // one column right, one left, between
        SCOPED_TRACE(width);
        TestTable table("ABCDEFGHIJK");
        GameState& state = table.state;
        for (int card = 1; card <= 7; ++card) {
            table.PutInColumn(card, card);
        }
        table.MakeWord({2, 8, 9}, 2);   // fanned down column 2
        table.PutOnTable(10, 300, 400); // outside the columns; card 11 stays in the pack
        const auto marker = [&](int column) { return state.Card(table.Marker(column)); };
        state.Undo.Left = static_cast<int>(marker(3).Left);
        state.Undo.Top = static_cast<int>(marker(3).Top) + 30;
        state.Drag.StartLeft = static_cast<int>(marker(5).Left);
        state.Drag.StartTop = static_cast<int>(marker(5).Top);
        state.ScaleWidth = width;
        state.ScaleHeight = 600;
        LayoutBoard(state);
        for (int card = 1; card <= 9; ++card) {
            const ColumnTop top = ColumnPosition(state, card <= 7 ? card : 2);
            const int below = card <= 7 ? 0 : card - 7;
            EXPECT_EQ(
                std::pair(state.Card(card).Left, state.Card(card).Top),
                std::pair(static_cast<float>(top.Left), static_cast<float>(top.Top + 30 * below)))
                << card;
        }
        EXPECT_EQ(std::pair(state.Card(10).Left, state.Card(10).Top), std::pair(300.0F, 400.0F));
        const ColumnTop third = ColumnPosition(state, 3);
        const ColumnTop fifth = ColumnPosition(state, 5);
        EXPECT_EQ(std::pair(state.Undo.Left, state.Undo.Top),
                  std::pair(third.Left, third.Top + 30));
        EXPECT_EQ(std::pair(state.Drag.StartLeft, state.Drag.StartTop),
                  std::pair(fifth.Left, fifth.Top));
        EXPECT_EQ(std::pair(state.Card(11).Left, state.Card(11).Top),
                  std::pair(static_cast<float>(state.Elements.PackBack.Left),
                            static_cast<float>(state.Elements.PackBack.Top)));
    }
}

// The letter lying exactly on each column's marker, or a dot.
std::string LettersOnColumns(const GameState& state) {
    std::string letters;
    for (int column = 1; column <= 7; ++column) {
        const CardRecord& marker = state.Card(state.MarkerIndex(column));
        char found = '.';
        for (int i = 1; i <= state.CardsTotal; ++i) {
            const CardRecord& card = state.Card(i);
            if (card.Tag == CardTag::Table && card.Left == marker.Left && card.Top == marker.Top) {
                found = card.Letter;
            }
        }
        letters += found;
    }
    return letters;
}

TEST(FillEmptyColumns, GlidesThreeVowelsThenFourConsonantsOntoTheMarkersOrWhatTheTableLacks) {
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

    struct Row {
        const char* letters;
        std::function<void(TestTable&)> before;
        const char* columns;
    };
    const auto none = [](TestTable&) {};
    // clang-format off
    const Row rows[] = {
        {"BCADFEGHJK", none, "BCADFEG"}, // too few vowels left: the next pack cards
        {"AEIOUBCDA", [](TestTable& t) { t.PutOnTable(6, 600, 500); }, "AEIOUCD"}, // B laid
        {"BCADFEGHOIJK", [](TestTable& t) { t.PutInColumn(12, 3); }, "AEKOBCD"},   // K covers 3
        {"AEIBCDFOGH", [](TestTable& t) { for (int i = 1; i <= 7; ++i) { t.PutOnTable(i, 600.0F + i, 500); } }, "......."}, // balanced
        {"AB", [](TestTable& t) { t.MarkUsed(1), t.MarkUsed(2); }, "......."}, // empty pack
        {"BCADFEGHOIJK", [](TestTable& t) { t.PutOnTable(11, TestTable::ColumnLeft(2) + 0.5F, TestTable::ColumnTop); }, "AEOBCD."}, // J half a pixel off marker 2: column 2 empty, J counts
    };
    // clang-format on
    for (const Row& row : rows) {
        TestTable lacking(row.letters);
        row.before(lacking);
        GlidingEffects dealing(lacking.state);
        FillEmptyColumns(lacking.state, dealing);
        EXPECT_EQ(LettersOnColumns(lacking.state), row.columns) << row.letters;
    }
}

} // namespace
} // namespace lexabit
