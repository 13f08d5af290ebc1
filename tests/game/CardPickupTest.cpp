#include "game/play/CardPickup.h"

#include "DragSteps.h"
#include "MotionFakes.h"
#include "TestTable.h"
#include "game/play/CardDrop.h"

#include <gtest/gtest.h>
#include <tuple>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::TestTable;

// The undo record a press keeps is checked by the undo after each kind of drop.
TEST(CardPickup, APressOnATableCardGraspsAndRaisesItAndMovesKeepTheGraspUnderThePointer) {
    TestTable table("ABCDE");
    GameState& state = table.state;
    GlidingEffects effects(state);
    table.MarkUsed(1);
    Card_MouseDown(state, effects, table.Marker(3), 5, 5); // markers and used cards stay put
    Card_MouseDown(state, effects, 1, 5, 5);
    EXPECT_FALSE(state.Dragging);

    table.PutOnTable(4, 300, 400);
    table.PutOnTable(5, 300, 400);
    Card_MouseDown(state, effects, 4, 10.5, 11.5);
    EXPECT_TRUE(state.Dragging);
    EXPECT_EQ(std::tuple(state.GrabX, state.GrabY), std::tuple(10, 12)); // halves to even
    EXPECT_EQ(state.StackingOrder().back(), 4);
    Card_MouseMove(state, effects, 4, 10.5, 600); // beyond the board too
    EXPECT_EQ(std::tuple(state.Card(4).Left, state.Card(4).Top), std::tuple(300.5F, 988.0F));

    Card_MouseUp(state, effects, 4);
    Card_MouseMove(state, effects, 5, 50, 50); // no drag: nothing moves
    EXPECT_EQ(state.Card(5).Left, 300);
}

// Which cards a drag takes along is checked with the drops.
TEST(CardPickup, APressOnAWordRaisesItInReadingOrderAndOnItsThirdCardDragsNothing) {
    TestTable table("ABCD");
    GlidingEffects effects(table.state);
    table.MakeWord({3, 1, 2, 4}, 2);
    Card_MouseDown(table.state, effects, 1, 20, 20);
    const auto& pile = table.state.StackingOrder();
    EXPECT_EQ(std::vector<int>(pile.end() - 4, pile.end()), (std::vector<int>{3, 1, 2, 4}));
    Card_MouseUp(table.state, effects, 1);
    table.state.WordCards.Clear();
    table.MakeWord({1, 2, 3, 4}, 2);
    Card_MouseDown(table.state, effects, 3, 20, 20);
    EXPECT_FALSE(table.state.Dragging);
    EXPECT_EQ(table.state.UndoTag, "3");
    EXPECT_EQ(table.state.UndoWordPos, 3);
    EXPECT_EQ(table.state.StartTop, TestTable::ColumnTop + 60);
    Card_MouseMove(table.state, effects, 3, 80, 90);
    EXPECT_EQ(table.state.Card(3).Left, TestTable::ColumnLeft(2));
}

TEST(FindDropTarget, TheNearestCardWithin49PixelsTiesGoingToTheLowerIndex) {
    TestTable table("ABCD");
    table.PutOnTable(1, 500, 500);
    table.PutOnTable(2, 549.4F, 500);
    EXPECT_EQ(FindDropTarget(table.state, 2), 1);
    table.state.Card(2).Left = 549.5F; // rounds to 50
    EXPECT_EQ(FindDropTarget(table.state, 2), std::nullopt);

    table.PutOnTable(3, 520, 530);
    table.PutOnTable(4, 480, 530);
    table.state.Card(1).Top = 520;
    table.PutOnTable(2, 500, 530);
    EXPECT_EQ(FindDropTarget(table.state, 2), 1);
    table.state.Card(1).Top = 560; // now 3 and 4 are the nearest, 20 pixels each way
    EXPECT_EQ(FindDropTarget(table.state, 2), 3);
}

TEST(FindDropTarget, ATableCardSeesAllButPackCardsAndAWordCardNoUsedOnes) {
    TestTable table("ABCDE");
    table.PutOnTable(2, 500, 500);
    table.state.Card(1).Left = 500; // a pack card right there
    table.state.Card(1).Top = 500;
    EXPECT_EQ(FindDropTarget(table.state, 2), std::nullopt);
    table.MarkUsed(3);
    table.state.Card(3).Left = 505;
    table.state.Card(3).Top = 505;
    EXPECT_EQ(FindDropTarget(table.state, 2), 3);

    TestTable word("ABCDE");
    word.MakeWord({1, 2}, 1);
    word.MarkUsed(3);
    word.state.Card(3).Left = TestTable::ColumnLeft(1) + 1;
    word.state.Card(3).Top = TestTable::ColumnTop;
    word.state.Card(1).Left += 2; // the word's own card lies nearer than the marker
    EXPECT_EQ(FindDropTarget(word.state, 2), word.Marker(1));
    word.state.Card(5).Left = TestTable::ColumnLeft(1); // a pack card nearer still
    word.state.Card(5).Top = TestTable::ColumnTop + 30;
    EXPECT_EQ(FindDropTarget(word.state, 2), 5);
}

} // namespace
} // namespace lexabit
