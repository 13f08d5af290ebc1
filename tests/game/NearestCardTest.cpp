#include "TestTable.h"
#include "game/play/CardDrop.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

using testing::TestTable;

TEST(CardDistance, IsTheRoundedDistanceBetweenCorners) {
    CardRecord card;
    card.Left = 100;
    card.Top = 200;
    EXPECT_EQ(CardDistance(card, 103, 204), 5);
    EXPECT_EQ(CardDistance(card, 148.5, 200), 48); // halves to the even neighbour
    EXPECT_EQ(CardDistance(card, 100, 249.5), 50);
}

TEST(FindDropTarget, CardWithin49PixelsIsFoundAt50ItIsNot) {
    TestTable table("ABC");
    table.PutOnTable(1, 500, 500);
    table.PutOnTable(2, 549, 500);
    EXPECT_EQ(FindDropTarget(table.state, 2), 1);
    table.state.Card(2).Left = 549.4F;
    EXPECT_EQ(FindDropTarget(table.state, 2), 1);
    table.state.Card(2).Left = 550;
    EXPECT_EQ(FindDropTarget(table.state, 2), std::nullopt);
    table.state.Card(2).Left = 549.5F; // rounds to 50
    EXPECT_EQ(FindDropTarget(table.state, 2), std::nullopt);
}

TEST(FindDropTarget, NearestWinsAndTiesGoToTheLowerIndex) {
    TestTable table("ABCD");
    table.PutOnTable(3, 520, 500);
    table.PutOnTable(2, 480, 500);
    table.PutOnTable(4, 500, 500);
    table.PutOnTable(1, 500, 510);
    EXPECT_EQ(FindDropTarget(table.state, 4), 1);
    table.state.Card(1).Top = 530; // now 2 and 3 are the nearest, 20 pixels each way
    EXPECT_EQ(FindDropTarget(table.state, 4), 2);
}

TEST(FindDropTarget, CardLyingOnAMarkerIsFoundBeforeTheMarker) {
    TestTable table("AB");
    table.PutInColumn(1, 2);
    table.PutOnTable(2, TestTable::ColumnLeft(2) + 10, TestTable::ColumnTop + 10);
    EXPECT_EQ(FindDropTarget(table.state, 2), 1);
}

TEST(FindDropTarget, TableCardLooksAtEveryCardOutsideThePackButItself) {
    TestTable table("ABCD");
    table.PutOnTable(2, 500, 500);
    table.state.Card(1).Left = 500; // a pack card right there
    table.state.Card(1).Top = 500;
    EXPECT_EQ(FindDropTarget(table.state, 2), std::nullopt);
    table.MarkUsed(3);
    table.state.Card(3).Left = 505;
    table.state.Card(3).Top = 505;
    EXPECT_EQ(FindDropTarget(table.state, 2), 3);
}

TEST(FindDropTarget, WordCardLooksAtTableCardsMarkersAndPackCardsOnly) {
    TestTable table("ABCDE");
    table.MakeWord({1, 2}, 1);
    table.MarkUsed(3);
    table.state.Card(3).Left = TestTable::ColumnLeft(1) + 1;
    table.state.Card(3).Top = TestTable::ColumnTop;
    table.state.Card(1).Left += 2; // the word's own card lies nearer than the marker
    EXPECT_EQ(FindDropTarget(table.state, 2), table.Marker(1));
    table.state.Card(5).Left = TestTable::ColumnLeft(1); // a pack card nearer still
    table.state.Card(5).Top = TestTable::ColumnTop + 30;
    EXPECT_EQ(FindDropTarget(table.state, 2), 5);
}

} // namespace
} // namespace lexabit
