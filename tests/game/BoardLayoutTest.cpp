#include "game/model/BoardLayout.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/play/Deal.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(BoardLayout, ColumnsStand103ApartAroundTheMiddleAThirdOfTheHeightDown) {
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
}

TEST(BoardLayout, PlacesThePackAndThePilesByTheCorners) {
    GameState state;
    state.ScaleWidth = 1000;
    state.ScaleHeight = 700;
    LayoutBoard(state);
    const BoardElements& e = state.Elements;
    EXPECT_EQ(std::pair(e.PackBack.Left, e.PackBack.Top), std::pair(50.0, 35.0));
    EXPECT_EQ(std::pair(e.DiscardDeck.Left, e.DiscardDeck.Top), std::pair(857.0, 534.0));
    EXPECT_DOUBLE_EQ(e.WordList.Left, 1000 - e.WordList.Width);
    EXPECT_DOUBLE_EQ(e.StatusBar.Top, 700 - e.StatusBar.Height);
}

// A resize by any amount, a whole column's width included, moves every card that lies in
// a column once, to that column's new top: none is carried on into the next column.
TEST(BoardLayout, OnResizeColumnCardsAndTheWordFollowTheirOwnMarkerAndPackCardsThePack) {
    for (const double width : {1032.0, 1237.0}) { // columns shift whole widths only from odd
        for (const int widening : {0, 1, 103, 206, 412, -1, -103, -206, -412}) {
            SCOPED_TRACE(testing::Message() << width << " + " << widening);
            GameState state;
            state.ScaleWidth = width;
            state.ScaleHeight = 713;
            LayoutBoard(state);
            state.CardsTotal = 98;
            MersenneRandom random(5);
            DealCards(state, StandardLetterCounts, random);
            // Column 2 holds a three-card word, every other column a table card; card 20
            // lies elsewhere on the table, the rest in the pack.
            const auto layColumns = [&state](bool check) {
                int next = 1;
                for (int column = 1; column <= 7; ++column) {
                    const ColumnTop top = ColumnPosition(state, column);
                    for (int q = 0; q < (column == 2 ? 3 : 1); ++q, ++next) {
                        CardRecord& card = state.Card(next);
                        const auto left = static_cast<float>(top.Left);
                        const auto cardTop = static_cast<float>(top.Top + q * 30);
                        if (check) {
                            EXPECT_EQ(std::pair(card.Left, card.Top), std::pair(left, cardTop));
                        } else {
                            card.Tag = column == 2 ? CardTag::Word : CardTag::Table;
                            if (column == 2) {
                                state.WordCards.Add(next);
                            }
                            card.Left = left;
                            card.Top = cardTop;
                        }
                    }
                }
            };
            layColumns(false);
            state.Card(20).Tag = CardTag::Table;
            state.Card(20).Left = 300;
            state.Card(20).Top = 400;

            state.ScaleWidth += widening;
            LayoutBoard(state);
            layColumns(true);
            EXPECT_EQ(std::pair(state.Card(20).Left, state.Card(20).Top),
                      std::pair(300.0F, 400.0F));
            EXPECT_EQ(state.Card(98).Left, static_cast<float>(state.Elements.PackBack.Left));
            EXPECT_EQ(state.Card(98).Top, static_cast<float>(state.Elements.PackBack.Top));
        }
    }
}

} // namespace
} // namespace lexabit
