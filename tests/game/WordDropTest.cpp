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

// A word of three cards, 1 2 3 (C A T), in column 1, and a table card 4 (S) in column 5.
class WordDrop : public testing::DropFixture {
protected:
    WordDrop() : DropFixture("CATSO") {
        table.MakeWord({1, 2, 3}, 1);
        table.PutInColumn(4, 5);
    }
};

TEST_F(WordDrop, FirstCardOnAMarkerMovesTheWordIntoThatColumn) {
    DragTo(state(), effects, 1, Column(3) + 12, Top - 9);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
    ExpectFanned(3, {1, 2, 3});
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
    EXPECT_TRUE(effects.glides.empty());
}

TEST_F(WordDrop, FirstCardOnATableCardMakesItTheFirstLetter) {
    DragTo(state(), effects, 1, Column(5) + 5, Top + 20);
    EXPECT_EQ(Word(), (std::vector<int>{4, 1, 2, 3}));
    EXPECT_EQ(state().Card(4).Tag, CardTag::Word);
    ExpectFanned(5, {4, 1});
    ExpectAt(3, Column(5), Top + 90);
}

TEST_F(WordDrop, SecondCardOnTheMarkerOfItsOwnColumnPutsTheWordBack) {
    DragTo(state(), effects, 2, Column(1) + 3, Top + 4);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
    ExpectFanned(1, {1, 2, 3});
}

TEST_F(WordDrop, SecondCardOnAnotherMarkerLeavesTheFirstCardOnTheTable) {
    DragTo(state(), effects, 2, Column(6) - 20, Top + 20);
    EXPECT_EQ(Word(), (std::vector<int>{2, 3}));
    EXPECT_EQ(state().Card(1).Tag, CardTag::Table);
    ExpectAt(1, Column(1), Top);
    ExpectFanned(6, {2, 3});
}

TEST_F(WordDrop, SecondCardOnATableCardLeavesTheFirstAndStartsFromThatCard) {
    DragTo(state(), effects, 2, Column(5), Top + 10);
    EXPECT_EQ(Word(), (std::vector<int>{4, 2, 3}));
    EXPECT_EQ(state().Card(1).Tag, CardTag::Table);
    EXPECT_EQ(state().Card(4).Tag, CardTag::Word);
    ExpectAt(1, Column(1), Top);
    ExpectAt(2, Column(5), Top + 30);
    ExpectAt(3, Column(5), Top + 60);
}

TEST_F(WordDrop, LastCardOnTheMarkerOfItsOwnColumnGoesBackUnderTheCardBefore) {
    DragTo(state(), effects, 3, Column(1) + 30, Top + 10);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
    ExpectAt(3, Column(1), Top + 60);
    EXPECT_TRUE(effects.glides.empty());
}

TEST_F(WordDrop, LastCardOnAnotherMarkerLeavesTheWordForThatColumn) {
    DragTo(state(), effects, 3, Column(7) + 1, Top - 1);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2}));
    EXPECT_EQ(state().Card(3).Tag, CardTag::Table);
    ExpectAt(3, Column(7), Top);
}

TEST_F(WordDrop, LastCardOfALongWordOnATableCardIsRefusedAndGlidesBack) {
    state().Card(2).Top += 0.75F; // the card before it stands a fraction off its place
    const WordDisplay shown = DragTo(state(), effects, 3, Column(5) + 7, Top + 7);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(state().Card(4).Tag, CardTag::Table);
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
    ASSERT_EQ(effects.glides.size(), 1U);
    EXPECT_EQ(effects.glides[0].index, 3);
    EXPECT_EQ(effects.glides[0].steps, 30);
    EXPECT_EQ(effects.glides[0].left, Column(1));
    EXPECT_EQ(effects.glides[0].top, Top + 61); // 30 below it, rounded to whole pixels
    ExpectAt(3, Column(1), Top + 61);
    EXPECT_EQ(shown.Word, "CAT");
}

TEST_F(WordDrop, LastCardOfATwoCardWordOnATableCardStartsTheWordAnew) {
    table.PutInColumn(3, 3); // the word is C A only
    state().WordCards.Remove(3);
    DragTo(state(), effects, 2, Column(5) - 10, Top + 10);
    EXPECT_EQ(Word(), (std::vector<int>{4, 2}));
    EXPECT_EQ(state().Card(1).Tag, CardTag::Table);
    EXPECT_EQ(state().Card(4).Tag, CardTag::Word);
    ExpectAt(1, Column(1), Top);
    ExpectAt(2, Column(5), Top + 30);
}

TEST_F(WordDrop, TwoCardWordLosingItsLastCardToAnotherColumnIsNoWordAnyMore) {
    table.PutInColumn(3, 3);
    state().WordCards.Remove(3);
    const WordDisplay shown = DragTo(state(), effects, 2, Column(6), Top);
    EXPECT_TRUE(state().WordCards.empty());
    EXPECT_EQ(state().Card(1).Tag, CardTag::Table);
    EXPECT_EQ(state().Card(2).Tag, CardTag::Table);
    ExpectAt(1, Column(1), Top);
    ExpectAt(2, Column(6), Top);
    EXPECT_EQ(shown, (WordDisplay{"", " 0 Points"}));
}

TEST_F(WordDrop, LastCardWithNothingNearGlidesBackWithoutSound) {
    DragTo(state(), effects, 3, 700, 600);
    EXPECT_TRUE(effects.sounds.empty());
    ASSERT_EQ(effects.glides.size(), 1U);
    ExpectAt(3, Column(1), Top + 60);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
}

TEST_F(WordDrop, WholeWordWithNothingNearGlidesBackCardByCardWithDrawStack) {
    DragTo(state(), effects, 1, 733, 611);
    EXPECT_EQ(effects.events,
              (std::vector<std::string>{"glide 1", "sound DrawStack", "glide 2", "sound DrawStack",
                                        "glide 3", "sound DrawStack"}));
    for (int q = 1; q <= 3; ++q) {
        const auto& glide = effects.glides[static_cast<std::size_t>(q - 1)];
        EXPECT_EQ(glide.left, Column(1));
        EXPECT_EQ(glide.top, Top + static_cast<float>((q - 1) * 30));
        ExpectAt(q, Column(1), Top + static_cast<float>((q - 1) * 30));
    }
    // Back exactly in its column: the lower part laid on that column's marker is judged
    // as put back in place, not as moved to another column.
    DragTo(state(), effects, 2, Column(1) + 3, Top + 4);
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
    ExpectAt(3, Column(1), Top + 60);
}

TEST_F(WordDrop, LowerPartWithNothingNearGlidesBackUnderTheFirstCard) {
    // A longer word, C A T O, so that the second card is not the last.
    table.PutOnTable(5, Column(1), Top + 90).Tag = CardTag::Word;
    state().WordCards.Add(5);
    DragTo(state(), effects, 2, 700, 600);
    ASSERT_EQ(effects.glides.size(), 4U);
    EXPECT_EQ(effects.glides[0].index, 1);
    EXPECT_EQ(effects.glides[0].fromLeft, Column(1)); // the first card glides onto its own place
    EXPECT_EQ(effects.glides[3].top, Top + 90);
    EXPECT_EQ(effects.sounds, std::vector<std::string>(4, "DrawStack"));
    ExpectAt(5, Column(1), Top + 90);
}

TEST_F(WordDrop, WordDroppedNearThePackGoesBackAsIfNothingWereNear) {
    DragTo(state(), effects, 1, TestTable::PackLeft + 5, TestTable::PackTop);
    EXPECT_EQ(effects.sounds, std::vector<std::string>(3, "DrawStack"));
    EXPECT_EQ(Word(), (std::vector<int>{1, 2, 3}));
}

} // namespace
} // namespace lexabit
