#include "game/play/CardPickup.h"

#include "DragSteps.h"
#include "MotionFakes.h"
#include "TestTable.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::TestTable;

class CardPickup : public ::testing::Test {
protected:
    CardPickup() : table("ABCDEFGH") {}

    void SetUndoRecord(int left, int top, const std::string& tag, int wordPos, int index) {
        state().UndoLeft = left;
        state().UndoTop = top;
        state().UndoTag = tag;
        state().UndoWordPos = wordPos;
        state().UndoIndex = index;
    }
    GameState& state() { return table.state; }
    int TopOfPile() { return state().StackingOrder().back(); }

    TestTable table;
    GlidingEffects effects{table.state};
};

TEST_F(CardPickup, PressOnMarkerOrUsedCardChangesNothing) {
    table.MarkUsed(1);
    SetUndoRecord(7, 8, "1", 2, 5);
    state().Dragging = false;
    Card_MouseDown(state(), effects, table.Marker(3), 5, 5);
    Card_MouseDown(state(), effects, 1, 5, 5);
    EXPECT_FALSE(state().Dragging);
    EXPECT_EQ(state().UndoLeft, 7);
    EXPECT_EQ(state().UndoTop, 8);
    EXPECT_EQ(state().UndoTag, "1");
    EXPECT_EQ(state().UndoWordPos, 2);
    EXPECT_EQ(state().UndoIndex, 5);
}

TEST_F(CardPickup, PressOnTableCardRecordsUndoGrabAndStartAndRaisesIt) {
    table.PutOnTable(4, 300, 400);
    table.PutOnTable(5, 300, 400);
    SetUndoRecord(0, 0, "", 3, 0);
    Card_MouseDown(state(), effects, 4, 10.5, 11.5);

    EXPECT_TRUE(state().Dragging);
    EXPECT_EQ(state().UndoLeft, 300);
    EXPECT_EQ(state().UndoTop, 400);
    EXPECT_EQ(state().UndoTag, "1");
    EXPECT_EQ(state().UndoWordPos, 3); // not in the word: kept as it was
    EXPECT_EQ(state().UndoIndex, 4);
    EXPECT_EQ(state().GrabX, 10); // halves go to the even neighbour
    EXPECT_EQ(state().GrabY, 12);
    EXPECT_EQ(state().StartLeft, 300);
    EXPECT_EQ(state().StartTop, 400);
    EXPECT_EQ(TopOfPile(), 4);
    EXPECT_GE(effects.repaints, 1);
}

TEST_F(CardPickup, PressOnThirdCardOfFourRecordsButDragsNothing) {
    table.MakeWord({1, 2, 3, 4}, 2);
    Card_MouseDown(state(), effects, 3, 20, 20);
    EXPECT_FALSE(state().Dragging);
    EXPECT_EQ(state().UndoTag, "3");
    EXPECT_EQ(state().UndoWordPos, 3);
    EXPECT_EQ(state().StartLeft, TestTable::ColumnLeft(2));
    EXPECT_EQ(state().StartTop, TestTable::ColumnTop + 60);

    Card_MouseMove(state(), effects, 3, 80, 90);
    EXPECT_EQ(state().Card(3).Left, TestTable::ColumnLeft(2));
    EXPECT_EQ(state().Card(4).Top, TestTable::ColumnTop + 90);
}

TEST_F(CardPickup, PressOnWordCardStacksTheWordInReadingOrder) {
    table.MakeWord({3, 1, 2}, 2);
    state().RaiseCard(1);
    state().RaiseCard(3);
    Card_MouseDown(state(), effects, 1, 20, 20);
    const auto& pile = state().StackingOrder();
    ASSERT_GE(pile.size(), 3U);
    EXPECT_EQ(std::vector<int>(pile.end() - 3, pile.end()), (std::vector<int>{3, 1, 2}));
}

TEST_F(CardPickup, TheFirstCardDragsTheWordTheSecondAllButTheFirstTheLastOfTwoItself) {
    const float column = TestTable::ColumnLeft(2);
    table.MakeWord({1, 2, 3}, 2);
    testing::PickUpAndMove(state(), effects, 1, 600, 100);
    EXPECT_EQ(state().Card(1).Left, 600);
    EXPECT_EQ(state().Card(2).Top, 130);
    EXPECT_EQ(state().Card(3).Left, 600);
    EXPECT_EQ(state().Card(3).Top, 160);

    state().WordCards.Clear();
    table.MakeWord({4, 5, 6}, 3);
    testing::PickUpAndMove(state(), effects, 5, 600, 100);
    EXPECT_EQ(state().Card(4).Left, TestTable::ColumnLeft(3));
    EXPECT_EQ(state().Card(5).Left, 600);
    EXPECT_EQ(state().Card(6).Top, 130);

    state().WordCards.Clear();
    table.MakeWord({7, 8}, 2);
    testing::PickUpAndMove(state(), effects, 8, 700, 200);
    EXPECT_EQ(state().Card(7).Left, column);
    EXPECT_EQ(state().Card(8).Left, 700);
    EXPECT_EQ(state().Card(8).Top, 200);
}

TEST_F(CardPickup, EveryMoveKeepsTheGraspedPointUnderThePointer) {
    table.PutOnTable(4, 300, 400);
    Card_MouseDown(state(), effects, 4, 20, 30);
    // Pointer at board (330, 440), then at (300.5, 1000): beyond the board is allowed.
    Card_MouseMove(state(), effects, 4, 30, 40);
    EXPECT_EQ(state().Card(4).Left, 310);
    EXPECT_EQ(state().Card(4).Top, 410);
    Card_MouseMove(state(), effects, 4, 300.5 - 310, 1000 - 410);
    EXPECT_EQ(state().Card(4).Left, 280.5);
    EXPECT_EQ(state().Card(4).Top, 970);
}

TEST_F(CardPickup, MoveWithoutADragDoesNothing) {
    table.PutOnTable(4, 300, 400);
    Card_MouseMove(state(), effects, 4, 50, 50);
    EXPECT_EQ(state().Card(4).Left, 300);
    EXPECT_EQ(effects.repaints, 0);
}

} // namespace
} // namespace lexabit
