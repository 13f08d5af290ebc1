#include "game/model/BoardLayout.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/play/Deal.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

GameState DealtState(double width, double height) {
    GameState state;
    state.ScaleWidth = width;
    state.ScaleHeight = height;
    LayoutBoard(state);
    state.CardsTotal = 98;
    MersenneRandom random(5);
    DealCards(state, StandardLetterCounts, random);
    return state;
}

TEST(ColumnPosition, WorkedExampleForAWidthOf1000) {
    GameState state;
    state.ScaleWidth = 1000;
    state.ScaleHeight = 600;
    EXPECT_EQ(ColumnPosition(state, 1).Left, 145);
    EXPECT_EQ(ColumnPosition(state, 4).Left, 454);
    EXPECT_EQ(ColumnPosition(state, 7).Left, 763);
    EXPECT_EQ(ColumnPosition(state, 2).Left, 248);
    EXPECT_EQ(ColumnPosition(state, 4).Top, 200);
    EXPECT_EQ(ColumnPosition(state, 0).Left, 454);
    EXPECT_EQ(ColumnPosition(state, 8).Left, 454);
}

TEST(ColumnPosition, TopIsAThirdOfTheHeightRoundedToEven) {
    GameState state;
    state.ScaleHeight = 713;
    EXPECT_EQ(ColumnPosition(state, 1).Top, 238);
    state.ScaleHeight = 718.5; // 239.5 goes to 240
    EXPECT_EQ(ColumnPosition(state, 3).Top, 240);
}

TEST(LayoutBoard, RunsOnlyAboveTheMinimumInBothDirections) {
    EXPECT_FALSE(LayoutApplies(715, 900));
    EXPECT_FALSE(LayoutApplies(900, 535));
    EXPECT_TRUE(LayoutApplies(716, 536));
}

TEST(LayoutBoard, PlacesTheFixedElements) {
    GameState state;
    state.ScaleWidth = 1000;
    state.ScaleHeight = 700;
    LayoutBoard(state);
    const BoardElements& e = state.Elements;
    EXPECT_DOUBLE_EQ(e.PackBack.Left, 50);
    EXPECT_DOUBLE_EQ(e.PackBack.Top, 35);
    EXPECT_DOUBLE_EQ(e.ShuffleCards.Top, 35 + 121 + 5);
    EXPECT_DOUBLE_EQ(e.Fig.Left, (50 + 93) / 2.0 - e.Fig.Width / 2);
    EXPECT_DOUBLE_EQ(e.DiscardDeck.Left, 1000 - 93 - 50);
    EXPECT_DOUBLE_EQ(e.DiscardDeck.Top, 700 - 121 - 35 - 10);
    EXPECT_DOUBLE_EQ(e.WordList.Left, 1000 - e.WordList.Width);
    EXPECT_DOUBLE_EQ(e.CheckWordButton.Top, e.WordList.Height);
    EXPECT_DOUBLE_EQ(e.WordLabel.Left, 500 - 497 / 2.0);
    EXPECT_DOUBLE_EQ(e.PointsLabel.Top, 72);
    EXPECT_DOUBLE_EQ(e.StatusBar.Top, 700 - e.StatusBar.Height);
}

TEST(LayoutBoard, PackCardsFollowThePack) {
    GameState state = DealtState(1000, 600);
    state.ScaleWidth = 1400;
    state.ScaleHeight = 900;
    LayoutBoard(state);
    for (int i = 1; i <= 98; ++i) {
        EXPECT_EQ(state.Card(i).Left, 70.0F);
        EXPECT_EQ(state.Card(i).Top, 45.0F);
    }
}

// A resize by any amount, a whole column's width included, moves every card that lies in
// a column once, to that column's new top: none is carried on into the next column.
class ColumnsOnResize : public ::testing::TestWithParam<int> {};

// An even and an odd width: columns shift by whole column widths only from an odd one.
void ExpectColumnsFollowTheirMarkers(double width, int widening) {
    GameState state = DealtState(width, 713);
    // Column 2 holds a three-card word, every other column a table card; card 20 lies
    // elsewhere on the table.
    int next = 1;
    for (int column = 1; column <= 7; ++column) {
        const ColumnTop top = ColumnPosition(state, column);
        const int cards = column == 2 ? 3 : 1;
        for (int q = 0; q < cards; ++q, ++next) {
            CardRecord& card = state.Card(next);
            card.Tag = column == 2 ? CardTag::Word : CardTag::Table;
            card.Left = static_cast<float>(top.Left);
            card.Top = static_cast<float>(top.Top + q * 30);
            if (column == 2) {
                state.WordCards.Add(next);
            }
        }
    }
    state.Card(20).Tag = CardTag::Table;
    state.Card(20).Left = 300;
    state.Card(20).Top = 400;

    state.ScaleWidth += widening;
    LayoutBoard(state);

    next = 1;
    for (int column = 1; column <= 7; ++column) {
        const ColumnTop top = ColumnPosition(state, column);
        const int cards = column == 2 ? 3 : 1;
        for (int q = 0; q < cards; ++q, ++next) {
            EXPECT_EQ(state.Card(next).Left, static_cast<float>(top.Left))
                << "card " << next << " from width " << width;
            EXPECT_EQ(state.Card(next).Top, static_cast<float>(top.Top + q * 30))
                << "card " << next << " from width " << width;
        }
        EXPECT_EQ(state.Card(98 + column).Left, static_cast<float>(top.Left));
        EXPECT_EQ(state.Card(98 + column).Top, static_cast<float>(top.Top));
    }
    EXPECT_EQ(state.Card(20).Left, 300.0F);
    EXPECT_EQ(state.Card(20).Top, 400.0F);
}

TEST_P(ColumnsOnResize, ColumnCardsAndTheWordFollowTheirOwnMarker) {
    ExpectColumnsFollowTheirMarkers(1032, GetParam());
    ExpectColumnsFollowTheirMarkers(1237, GetParam());
}

INSTANTIATE_TEST_SUITE_P(WideningAndNarrowing, ColumnsOnResize,
                         ::testing::Values(0, 1, 103, 206, 412, -1, -103, -206, -412));

} // namespace
} // namespace lexabit
