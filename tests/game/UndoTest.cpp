#include "DragSteps.h"
#include "MotionFakes.h"
#include "TestTable.h"
#include "game/NewGameReset.h"
#include "game/UndoLastMove.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace lexabit {
namespace {

using testing::DragTo;
using testing::GlidingEffects;
using testing::TestTable;

// Table cards S (1) in column 5 and O (2) in column 6, and nothing else on the table yet.
class Undo : public ::testing::Test {
protected:
    Undo() : table("SOCATE") {
        table.PutInColumn(1, 5);
        table.PutInColumn(2, 6);
    }
    GameState& state() { return table.state; }
    std::vector<int> Word() { return state().WordCards.items(); }
    void ExpectAt(int index, float left, float top) {
        EXPECT_EQ(state().Card(index).Left, left) << "card " << index;
        EXPECT_EQ(state().Card(index).Top, top) << "card " << index;
    }
    void ExpectTag(int index, CardTag tag) {
        EXPECT_EQ(state().Card(index).Tag, tag) << "card " << index;
    }
    // Makes C A T (3 4 5) the word in column 1.
    void MakeCat() { table.MakeWord({3, 4, 5}, 1); }
    static float Column(int column) { return TestTable::ColumnLeft(column); }
    static constexpr float Top = TestTable::ColumnTop;

    TestTable table;
    GlidingEffects effects{table.state};
};

TEST_F(Undo, BeforeAnyPickUpDoesNothing) {
    MakeCat();
    UndoLastMove(state(), effects);
    EXPECT_EQ(Word(), (std::vector<int>{3, 4, 5}));
    ExpectAt(1, Column(5), Top);
    EXPECT_EQ(effects.repaints, 0);
}

// A drag, what happened since, and what one undo gives back.
TEST_F(Undo, TakesTheLastMoveBack) {
    const float c1 = Column(1);
    const float used = TestTable::UsedLeft;
    struct Place {
        int card;
        float left;
        float top;
    };
    struct Case {
        const char* what;
        std::vector<int> word; // laid in column 1 before the drag
        int dragged;
        float left;
        float top;
        std::function<void(TestTable&)> since;
        std::vector<int> wordAfter;
        std::vector<Place> places;
        std::vector<std::pair<int, CardTag>> tags;
    };
    const Case cases[] = {
        {"table card moved returns",
         {},
         1,
         Column(2),
         Top,
         {},
         {},
         {{1, Column(5), Top}},
         {{1, CardTag::Table}}},
        {"two-card word started by a table card splits",
         {},
         1,
         Column(6),
         Top,
         {},
         {},
         {{1, Column(5), Top}, {2, Column(6), Top}},
         {{1, CardTag::Table}, {2, CardTag::Table}}},
        {"table card added to a word leaves its end",
         {3, 4, 5},
         1,
         c1,
         Top + 30,
         {},
         {3, 4, 5},
         {{1, Column(5), Top}},
         {{1, CardTag::Table}}},
        {"table card used since stays used",
         {},
         1,
         Column(2),
         Top,
         [](TestTable& t) { t.MarkUsed(1); },
         {},
         {{1, used, used}},
         {{1, CardTag::Used}}},
        {"word card taken off returns to the end",
         {3, 4, 5},
         5,
         Column(3),
         Top,
         {},
         {3, 4, 5},
         {{5, c1, Top + 60}},
         {{5, CardTag::Word}}},
        {"card off a two-card word restores the word",
         {3, 4},
         4,
         Column(3),
         Top,
         {},
         {3, 4},
         {{3, c1, Top}, {4, c1, Top + 30}},
         {{3, CardTag::Word}, {4, CardTag::Word}}},
        {"no card left above: back as a table card",
         {3, 4},
         4,
         Column(3),
         Top,
         [](TestTable& t) { t.state.Card(3).Left = Column(4); },
         {},
         {{4, c1, Top + 30}},
         {{4, CardTag::Table}}},
        {"whole word moved is put back",
         {3, 4, 5},
         3,
         Column(4),
         Top,
         {},
         {3, 4, 5},
         {{3, c1, Top}, {4, c1, Top + 30}, {5, c1, Top + 60}},
         {}},
        {"word laid onto a table card leaves it",
         {3, 4, 5},
         3,
         Column(5),
         Top,
         {},
         {3, 4, 5},
         {{1, Column(5), Top}, {3, c1, Top}, {5, c1, Top + 60}},
         {{1, CardTag::Table}}},
        {"lower part rejoins its first card",
         {3, 4, 5},
         4,
         Column(3),
         Top,
         {},
         {3, 4, 5},
         {{3, c1, Top}, {4, c1, Top + 30}, {5, c1, Top + 60}},
         {{3, CardTag::Word}}},
        {"lower part without its first card keeps its order",
         {3, 4, 5},
         4,
         Column(3),
         Top,
         [](TestTable& t) { t.state.Card(3).Left = Column(7); },
         {4, 5},
         {{4, c1, Top + 30}, {5, c1, Top + 60}},
         {}},
        {"lower part laid onto a table card stays",
         {3, 4, 5},
         4,
         Column(5),
         Top,
         {},
         {1, 4, 5},
         {{4, Column(5), Top + 30}},
         {}},
    };
    const GameState start = state();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state() = start;
        for (std::size_t k = 0; k < c.word.size(); ++k) {
            table.PutOnTable(c.word[k], c1, Top + 30 * static_cast<float>(k)).Tag = CardTag::Word;
            state().WordCards.Add(c.word[k]);
        }
        DragTo(state(), effects, c.dragged, c.left, c.top);
        if (c.since) {
            c.since(table);
        }
        for (int undo = 0; undo < 2; ++undo) { // a second undo applies the same record again
            UndoLastMove(state(), effects);
            EXPECT_EQ(Word(), c.wordAfter);
            for (const Place& place : c.places) {
                ExpectAt(place.card, place.left, place.top);
            }
            for (const auto& [card, tag] : c.tags) {
                ExpectTag(card, tag);
            }
        }
    }
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
