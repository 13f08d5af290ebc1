#include "DragSteps.h"
#include "DropFixture.h"
#include "MotionFakes.h"
#include "TestTable.h"
#include "game/play/GameRound.h"
#include "game/play/UndoLastMove.h"

#include <gtest/gtest.h>
#include <vector>

namespace lexabit {
namespace {

using testing::DragTo;
using testing::GlidingEffects;
using testing::TestTable;

// Table cards S (1) in column 5 and O (2) in column 6, and nothing else on the table yet.
class Undo : public testing::DropFixture {
protected:
    Undo() : DropFixture("SOCATE") {
        table.PutInColumn(1, 5);
        table.PutInColumn(2, 6);
    }
    // Makes C A T (3 4 5) the word in column 1.
    void MakeCat() { table.MakeWord({3, 4, 5}, 1); }
};

TEST_F(Undo, BeforeAnyPickUpDoesNothing) {
    MakeCat();
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectAt(1, Column(5), Top);
    EXPECT_EQ(effects.repaints, 0);
}

TEST_F(Undo, TableCardMovedOnTheTableReturnsToItsPlace) {
    DragTo(state(), effects, 1, Column(2), Top);
    ExpectAt(1, Column(2), Top);
    UndoLastMove(state(), effects);
    ExpectAt(1, Column(5), Top);
    ExpectTag(1, CardTag::Table);
    EXPECT_GE(effects.repaints, 1);
}

TEST_F(Undo, TwoCardWordStartedByATableCardBecomesTwoTableCards) {
    DragTo(state(), effects, 1, Column(6), Top);
    ASSERT_EQ(Word(), (std::vector<int>{2, 1}));
    UndoLastMove(state(), effects);
    EXPECT_TRUE(state().WordCards.empty());
    ExpectTag(1, CardTag::Table);
    ExpectTag(2, CardTag::Table);
    ExpectAt(2, Column(6), Top);
    ExpectAt(1, Column(5), Top);
}

TEST_F(Undo, TableCardAddedToALongerWordIsTakenOffItsEnd) {
    MakeCat();
    DragTo(state(), effects, 1, Column(1), Top + 30);
    ASSERT_EQ(Word(), (std::vector<int>{3, 4, 5, 1}));
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectTag(1, CardTag::Table);
    ExpectAt(1, Column(5), Top);
}

TEST_F(Undo, TableCardUsedSinceIsLeftAlone) {
    DragTo(state(), effects, 1, Column(2), Top);
    table.MarkUsed(1);
    UndoLastMove(state(), effects);
    ExpectTag(1, CardTag::Used);
    ExpectAt(1, TestTable::UsedLeft, TestTable::UsedLeft);
}

TEST_F(Undo, WordCardTakenOffReturnsToTheEndOfTheWord) {
    MakeCat();
    DragTo(state(), effects, 5, Column(3), Top);
    ASSERT_EQ(Word(), (std::vector<int>{3, 4}));
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectTag(5, CardTag::Word);
    ExpectAt(5, Column(1), Top + 60);
}

TEST_F(Undo, CardTakenOffATwoCardWordRestoresTheCardAboveAsFirst) {
    table.MakeWord({3, 4}, 1);
    DragTo(state(), effects, 4, Column(3), Top);
    ASSERT_TRUE(state().WordCards.empty());
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4}));
    ExpectTag(3, CardTag::Word);
    ExpectTag(4, CardTag::Word);
    ExpectFanned(1, {3, 4});
}

TEST_F(Undo, CardWithNoCardLeftAboveItsOldPlaceReturnsAsATableCard) {
    table.MakeWord({3, 4}, 1);
    DragTo(state(), effects, 4, Column(3), Top);
    state().Card(3).Left = Column(4); // moved away since, as a shuffle does
    UndoLastMove(state(), effects);
    EXPECT_TRUE(state().WordCards.empty());
    ExpectTag(4, CardTag::Table);
    ExpectAt(4, Column(1), Top + 30);
}

TEST_F(Undo, WholeWordMovedByItsFirstCardIsPutBack) {
    MakeCat();
    DragTo(state(), effects, 3, Column(4), Top);
    ASSERT_EQ(state().Card(5).Left, Column(4));
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectFanned(1, {3, 4, 5});
}

TEST_F(Undo, WordLaidOntoATableCardLeavesThatCardBehind) {
    MakeCat();
    DragTo(state(), effects, 3, Column(5), Top);
    ASSERT_EQ(Word(), (std::vector<int>{1, 3, 4, 5}));
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectTag(1, CardTag::Table);
    ExpectAt(1, Column(5), Top);
    ExpectAt(3, Column(1), Top);
    ExpectAt(5, Column(1), Top + 60);
}

TEST_F(Undo, LowerPartMovedAwayRejoinsUnderItsFirstCard) {
    MakeCat();
    DragTo(state(), effects, 4, Column(3), Top);
    ASSERT_EQ(Word(), (std::vector<int>{4, 5}));
    ExpectTag(3, CardTag::Table);
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectTag(3, CardTag::Word);
    ExpectFanned(1, {3, 4, 5});
}

TEST_F(Undo, LowerPartWithNoCardAboveItsOldPlaceKeepsItsOrder) {
    MakeCat();
    DragTo(state(), effects, 4, Column(3), Top);
    state().Card(3).Left = Column(7); // moved away since
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{4, 5}));
    ExpectAt(4, Column(1), Top + 30);
    ExpectAt(5, Column(1), Top + 60);
}

TEST_F(Undo, LowerPartLaidOntoATableCardIsNotTakenBack) {
    MakeCat();
    DragTo(state(), effects, 4, Column(5), Top);
    ASSERT_EQ(Word(), (std::vector<int>{1, 4, 5}));
    effects.repaints = 0;
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{1, 4, 5}));
    ExpectAt(4, Column(5), Top + 30);
    EXPECT_EQ(effects.repaints, 0);
}

TEST_F(Undo, UndoingTwiceAppliesTheSameRecordAgain) {
    DragTo(state(), effects, 1, Column(6), Top);
    UndoLastMove(state(), effects);
    UndoLastMove(state(), effects);
    EXPECT_TRUE(state().WordCards.empty());
    ExpectTag(1, CardTag::Table);
    ExpectTag(2, CardTag::Table);
    ExpectAt(1, Column(5), Top);
    ExpectAt(2, Column(6), Top);
}

TEST_F(Undo, NothingIsTakenBackOnceANewGameHasBegun) {
    DragTo(state(), effects, 1, 700, 600); // let go far from every card: it glides back
    ResetGameVariables(state(), StandardLetterCounts, GameTime{});
    table.PutInColumn(1, 3); // the new game's deal lays its card 1 on column 3
    UndoLastMove(state(), effects);
    ExpectAt(1, Column(3), Top);
    ExpectTag(1, CardTag::Table);
}

} // namespace
} // namespace lexabit
