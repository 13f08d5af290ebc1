#include "DragSteps.h"
#include "DropFixture.h"
#include "MotionFakes.h"
#include "TestTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::DragTo;
using testing::GlidingEffects;
using testing::TestTable;

// Table cards R (1) in column 2, A (2) in column 5 and T (3) in column 7; card 4 (E) used.
class TableDrop : public testing::DropFixture {
protected:
    TableDrop() : DropFixture("RATEDS") {
        table.PutInColumn(1, 2);
        table.PutInColumn(2, 5);
        table.PutInColumn(3, 7);
        table.MarkUsed(4);
    }
};

TEST_F(TableDrop, OnATableCardWithNoWordStartsAWordBelowIt) {
    const WordDisplay shown = DragTo(state(), effects, 1, Column(5) + 20, Top + 20);
    EXPECT_EQ(Word(), (std::vector<int>{2, 1}));
    EXPECT_EQ(state().Card(1).Tag, CardTag::Word);
    EXPECT_EQ(state().Card(2).Tag, CardTag::Word);
    ExpectFanned(5, {2, 1});
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
    EXPECT_EQ(shown, (WordDisplay{"AR", " 2 Points"}));
}

TEST_F(TableDrop, OnTheWordJoinsItsEndWhicheverCardItLandsOn) {
    DragTo(state(), effects, 1, Column(5), Top);
    table.PutInColumn(5, 3);
    DragTo(state(), effects, 5, Column(5) + 2, Top + 2); // onto the first card, A
    EXPECT_EQ(Word(), (std::vector<int>{2, 1, 5}));
    EXPECT_EQ(state().Card(5).Tag, CardTag::Word);
    ExpectAt(5, Column(5), Top + 60);
    const WordDisplay shown = DragTo(state(), effects, 3, Column(5), Top + 30); // onto R
    EXPECT_EQ(Word(), (std::vector<int>{2, 1, 5, 3}));
    ExpectAt(3, Column(5), Top + 90);
    EXPECT_EQ(shown.Word, "ARDT");
}

TEST_F(TableDrop, OnAUsedCardJoinsTheEndOfTheWord) {
    DragTo(state(), effects, 1, Column(5), Top);
    DragTo(state(), effects, 3, TestTable::UsedLeft + 3, TestTable::UsedLeft);
    EXPECT_EQ(Word(), (std::vector<int>{2, 1, 3}));
    ExpectAt(3, Column(5), Top + 60);
    EXPECT_EQ(state().Card(4).Tag, CardTag::Used);
}

TEST_F(TableDrop, OnAUsedCardWithNoWordGlidesBack) {
    DragTo(state(), effects, 3, TestTable::UsedLeft + 3, TestTable::UsedLeft);
    EXPECT_TRUE(state().WordCards.empty());
    EXPECT_EQ(state().Card(3).Tag, CardTag::Table);
    ASSERT_EQ(effects.glides.size(), 1U);
    EXPECT_EQ(effects.glides[0].steps, 30);
    ExpectAt(3, Column(7), Top);
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
}

TEST_F(TableDrop, OnAMarkerLiesExactlyInThatColumn) {
    DragTo(state(), effects, 3, Column(1) + 25, Top - 30);
    EXPECT_EQ(state().Card(3).Tag, CardTag::Table);
    ExpectAt(3, Column(1), Top);
    EXPECT_TRUE(effects.glides.empty());
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
}

TEST_F(TableDrop, OnATableCardWhileAWordExistsGlidesBackWithTheSoundStillPlayed) {
    DragTo(state(), effects, 1, Column(5), Top);
    table.PutInColumn(5, 1);
    effects.sounds.clear();
    DragTo(state(), effects, 5, Column(7) - 10, Top + 10);
    EXPECT_EQ(Word(), (std::vector<int>{2, 1}));
    EXPECT_EQ(state().Card(5).Tag, CardTag::Table);
    ASSERT_EQ(effects.glides.size(), 1U);
    ExpectAt(5, Column(1), Top);
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
}

TEST_F(TableDrop, WithNothingNearGlidesBackWithoutSound) {
    DragTo(state(), effects, 3, 900, 650);
    ASSERT_EQ(effects.glides.size(), 1U);
    EXPECT_EQ(effects.glides[0].index, 3);
    EXPECT_NEAR(effects.glides[0].fromLeft, 900, 1e-3);
    ExpectAt(3, Column(7), Top);
    EXPECT_TRUE(effects.sounds.empty());
}

TEST_F(TableDrop, ReleaseAfterAPressOnAMarkerOnlyRunsTheClosingSteps) {
    state().WordCards.Add(2); // a word left with one card
    state().Card(2).Tag = CardTag::Word;
    Card_MouseDown(state(), effects, table.Marker(5), 1, 1);
    const WordDisplay shown = Card_MouseUp(state(), effects, table.Marker(5));
    EXPECT_TRUE(state().WordCards.empty());
    EXPECT_EQ(state().Card(2).Tag, CardTag::Table);
    ExpectAt(2, Column(5), Top);
    EXPECT_TRUE(effects.events.empty());
    EXPECT_EQ(shown, (WordDisplay{"", " 0 Points"}));
}

// The laying bonus of each length is scored in the word check's table.
TEST(ShowWord, LettersInTheWordsOrderWithTheirValues) {
    TestTable table("AEI");
    table.MakeWord({3, 1}, 1);
    EXPECT_EQ(ShowWord(table.state), (WordDisplay{"IA", " 2 Points"}));
}

} // namespace
} // namespace lexabit
