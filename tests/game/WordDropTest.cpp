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

// Where each card lies after the drop: its column and how far below the column's top.
struct Place {
    int card;
    int column;
    float below;
};

TEST_F(WordDrop, EachCardOfTheWordPlacesTheWordByWhereItLands) {
    struct Case {
        const char* what;
        int dragged;
        float left; // from the column's left
        int column;
        float below;
        std::vector<int> word;
        std::vector<Place> places;
        std::vector<CardTag> tags; // of cards 1 and 4
    };
    const Case cases[] = {
        {"first card on a marker moves the word",
         1,
         12,
         3,
         -9,
         {1, 2, 3},
         {{1, 3, 0}, {2, 3, 30}, {3, 3, 60}},
         {CardTag::Word, CardTag::Table}},
        {"first card on a table card makes it the first letter",
         1,
         5,
         5,
         20,
         {4, 1, 2, 3},
         {{4, 5, 0}, {1, 5, 30}, {3, 5, 90}},
         {CardTag::Word, CardTag::Word}},
        {"second card on its own marker puts the word back",
         2,
         3,
         1,
         4,
         {1, 2, 3},
         {{1, 1, 0}, {2, 1, 30}, {3, 1, 60}},
         {CardTag::Word, CardTag::Table}},
        {"second card on another marker leaves the first",
         2,
         -20,
         6,
         20,
         {2, 3},
         {{1, 1, 0}, {2, 6, 0}, {3, 6, 30}},
         {CardTag::Table, CardTag::Table}},
        {"second card on a table card starts from it",
         2,
         0,
         5,
         10,
         {4, 2, 3},
         {{1, 1, 0}, {2, 5, 30}, {3, 5, 60}},
         {CardTag::Table, CardTag::Word}},
        {"last card on its own marker goes back",
         3,
         30,
         1,
         10,
         {1, 2, 3},
         {{3, 1, 60}},
         {CardTag::Word, CardTag::Table}},
        {"last card on another marker leaves the word",
         3,
         1,
         7,
         -1,
         {1, 2},
         {{3, 7, 0}},
         {CardTag::Word, CardTag::Table}},
    };
    const GameState start = state();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state() = start;
        effects.glides.clear();
        effects.sounds.clear();
        DragTo(state(), effects, c.dragged, Column(c.column) + c.left, Top + c.below);
        EXPECT_EQ(Word(), c.word);
        for (const Place& place : c.places) {
            ExpectAt(place.card, Column(place.column), Top + place.below);
        }
        EXPECT_EQ(state().Card(1).Tag, c.tags[0]);
        EXPECT_EQ(state().Card(4).Tag, c.tags[1]);
        EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
        EXPECT_TRUE(effects.glides.empty());
    }
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
