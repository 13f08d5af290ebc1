#include "game/BoardLayout.h"

#include "game/Deal.h"
#include "game/GameState.h"
#include "game/MersenneRandom.h"

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

TEST(LayoutBoard, MarkersStandAtTheirColumnsAfterTheDeal) {
    const GameState state = DealtState(1000, 600);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(state.Card(98 + k).Left, static_cast<float>(145 + (k - 1) * 103));
        EXPECT_EQ(state.Card(98 + k).Top, 200.0F);
    }
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

TEST(LayoutBoard, ColumnCardsAndTheWordFollowTheirMarker) {
    GameState state = DealtState(1000, 600);
    // Column 2 holds a three-card word, column 5 a table card; card 9 lies elsewhere.
    for (int q = 1; q <= 3; ++q) {
        CardRecord& card = state.Card(q);
        card.Tag = CardTag::Word;
        card.Left = 248;
        card.Top = static_cast<float>(200 + (q - 1) * 30);
        state.WordCards.Add(q);
    }
    state.Card(4).Tag = CardTag::Table;
    state.Card(4).Left = 557;
    state.Card(4).Top = 200;
    state.Card(9).Tag = CardTag::Table;
    state.Card(9).Left = 300;
    state.Card(9).Top = 400;

    state.ScaleWidth = 1400;
    state.ScaleHeight = 900;
    LayoutBoard(state);

    const ColumnTop two = ColumnPosition(state, 2);
    const ColumnTop five = ColumnPosition(state, 5);
    for (int q = 1; q <= 3; ++q) {
        EXPECT_EQ(state.Card(q).Left, static_cast<float>(two.Left));
        EXPECT_EQ(state.Card(q).Top, static_cast<float>(two.Top + (q - 1) * 30));
    }
    EXPECT_EQ(state.Card(4).Left, static_cast<float>(five.Left));
    EXPECT_EQ(state.Card(4).Top, static_cast<float>(five.Top));
    EXPECT_EQ(state.Card(9).Left, 300.0F);
    EXPECT_EQ(state.Card(9).Top, 400.0F);
    EXPECT_EQ(state.Card(100).Left, static_cast<float>(two.Left));
}

} // namespace
} // namespace lexabit
