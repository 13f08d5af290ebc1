#include "game/play/CardDrop.h"

#include "FakePorts.h"
#include "TestTable.h"
#include "game/play/GameRound.h"
#include "game/play/UndoLastMove.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace lexabit {
namespace {

using namespace testing; // the fakes and helpers of the rules tests

const auto Column = TestTable::ColumnLeft;
constexpr float Top = TestTable::ColumnTop;
constexpr float Used = TestTable::UsedLeft;

// C A T S O and a used E: CAT's first wordLength cards a word down column 1, the rest in 1, 6, 7.
TestTable Layout(int wordLength) {
    TestTable table("CATSOE");
    const std::vector<int> cat{1, 2, 3};
    table.MakeWord({cat.begin(), cat.begin() + wordLength}, 1);
    const int columns[] = {1, 6, 7};
    for (int card = wordLength + 1; card <= 3; ++card) {
        table.PutInColumn(card, columns[card - 1]);
    }
    table.PutInColumn(4, 5);
    table.PutInColumn(5, 3);
    table.MarkUsed(6);
    return table;
}

// A card's place: its column and how many cards lie above it there (column 0: used).
struct Place {
    int card, column, slot;
};

// The word as listed, the places given, and every other letter card a table card.
void ExpectTable(const GameState& state, const std::vector<int>& word,
                 const std::vector<Place>& places) {
    EXPECT_EQ(state.WordCards.items(), word);
    for (int i = 1; i <= 5; ++i) {
        const bool used = std::ranges::any_of(
            places, [i](const Place& place) { return place.card == i && place.column == 0; });
        const bool inWord = std::ranges::find(word, i) != word.end();
        const CardTag tag = used ? CardTag::Used : inWord ? CardTag::Word : CardTag::Table;
        EXPECT_EQ(state.Card(i).Tag, tag) << "card " << i;
    }
    for (const Place& place : places) {
        const CardRecord& card = state.Card(place.card);
        const float left = place.column == 0 ? Used : Column(place.column);
        const float top = place.column == 0 ? Used : Top + 30.0F * static_cast<float>(place.slot);
        EXPECT_EQ(std::pair(card.Left, card.Top), std::pair(left, top)) << "card " << place.card;
    }
}

const std::vector<Place> CatInColumn1 = {{1, 1, 0}, {2, 1, 1}, {3, 1, 2}};
const std::vector<std::string> DrawCard = {"DrawCard"};

// clang-format off
TEST(CardDrop, PlacesTheCardWhereTheRulesAllowElseGlidesItBackAndUndoTakesTheMoveBack) {
    struct Row {
        const char* what;
        int wordLength, dragged;
        float left, top; // where the card's corner is let go
        std::vector<int> word;
        std::vector<Place> places;
        std::vector<std::string> sounds;
        std::size_t glides;
        bool undoneAsLaid; // else undo leaves the table as dropped: a word part laid on a table card
    };
    const std::vector<std::string> none;
    const std::vector<std::string> drawStack3(3, "DrawStack");
    const Row rows[] = {
        {"first card onto a marker moves the word there", 3, 1, Column(4) + 12, Top - 9, {1, 2, 3}, {{1, 4, 0}, {2, 4, 1}, {3, 4, 2}}, DrawCard, 0, true},
        {"first card onto a table card makes it the first letter", 3, 1, Column(5) + 5, Top + 20, {4, 1, 2, 3}, {{4, 5, 0}, {1, 5, 1}, {3, 5, 3}}, DrawCard, 0, true},
        {"second card onto its own marker puts the word back", 3, 2, Column(1) + 3, Top + 4, {1, 2, 3}, CatInColumn1, DrawCard, 0, true},
        {"second card onto another marker leaves the first card", 3, 2, Column(6) - 20, Top + 20, {2, 3}, {{1, 1, 0}, {2, 6, 0}, {3, 6, 1}}, DrawCard, 0, true},
        {"second card onto a table card starts from that card", 3, 2, Column(5), Top + 10, {4, 2, 3}, {{1, 1, 0}, {2, 5, 1}, {3, 5, 2}}, DrawCard, 0, false},
        {"last card onto its own marker goes back under the card before", 3, 3, Column(1) + 30, Top + 10, {1, 2, 3}, CatInColumn1, DrawCard, 0, true},
        {"last card onto another marker leaves the word", 3, 3, Column(7) + 1, Top - 1, {1, 2}, {{3, 7, 0}}, DrawCard, 0, true},
        {"last of a two-card word onto a table card starts the word anew", 2, 2, Column(5) - 10, Top + 10, {4, 2}, {{1, 1, 0}, {2, 5, 1}}, DrawCard, 0, false},
        {"a two-card word losing its last card is no word", 2, 2, Column(6), Top, {}, {{1, 1, 0}, {2, 6, 0}}, DrawCard, 0, true},
        {"last card with nothing near glides back without sound", 3, 3, 700, 600, {1, 2, 3}, CatInColumn1, none, 1, true},
        {"a word near the pack goes back as if nothing were near", 3, 1, TestTable::PackLeft + 5, TestTable::PackTop, {1, 2, 3}, CatInColumn1, drawStack3, 3, true},
        {"table card onto a table card with no word starts a word", 0, 1, Column(5) + 20, Top + 20, {4, 1}, {{4, 5, 0}, {1, 5, 1}}, DrawCard, 0, true},
        {"table card onto the word's first card joins its end", 3, 5, Column(1) + 2, Top + 2, {1, 2, 3, 5}, {{5, 1, 3}}, DrawCard, 0, true},
        {"table card onto a used card joins the end of the word", 3, 5, Used + 3, Used, {1, 2, 3, 5}, {{5, 1, 3}, {6, 0, 0}}, DrawCard, 0, true},
        {"table card onto a used card with no word glides back", 0, 3, Used + 3, Used, {}, {{3, 7, 0}}, DrawCard, 1, true},
        {"table card onto a marker lies exactly in that column", 0, 3, Column(4) + 25, Top - 30, {}, {{3, 4, 0}}, DrawCard, 0, true},
        {"table card onto a table card while a word exists glides back", 3, 5, Column(5) - 10, Top + 10, {1, 2, 3}, {{5, 3, 0}}, DrawCard, 1, true},
        {"table card with nothing near glides back without sound", 0, 3, 900, 650, {}, {{3, 7, 0}}, none, 1, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TestTable table = Layout(row.wordLength);
        GameState& state = table.state;
        GlidingEffects effects(state);
        UndoLastMove(state, effects); // before a pick-up there is nothing to undo
        EXPECT_EQ(effects.repaints, 0);
        PickUpAndMove(state, effects, row.dragged, row.left, row.top);
        EXPECT_EQ(ReceivingCard(state, row.dragged).has_value(), row.glides == 0); // named while held
        Card_MouseUp(state, effects, row.dragged);
        ExpectTable(state, row.word, row.places);
        EXPECT_EQ(effects.sounds, row.sounds);
        EXPECT_EQ(effects.glides.size(), row.glides);
        EXPECT_EQ(ReceivingCard(state, row.dragged), std::nullopt) << "nothing is held any more";
        const GameState expected = row.undoneAsLaid ? Layout(row.wordLength).state : state;
        UndoLastMove(state, effects);
        EXPECT_EQ(state.WordCards, expected.WordCards) << "after undo";
        for (int i = 1; i <= 6; ++i) {
            const CardRecord &now = state.Card(i), &then = expected.Card(i);
            EXPECT_EQ(std::tuple(now.Tag, now.Left, now.Top), std::tuple(then.Tag, then.Left, then.Top)) << "card " << i << " after undo";
        }
    }
}
// clang-format on

TEST(CardDrop, ARefusedCardGlidesBackToWholePixelsBelowTheOneBeforeAWordCardByCard) {
    TestTable table = Layout(3);
    GlidingEffects effects(table.state);
    table.state.Card(2).Top += 0.75F; // the card before it stands a fraction off its place
    const WordDisplay shown = DragTo(table.state, effects, 3, Column(5) + 7, Top + 7);
    ASSERT_EQ(effects.glides.size(), 1U);
    EXPECT_EQ(std::pair(effects.glides[0].steps, effects.glides[0].top), std::pair(30, Top + 61.0));
    EXPECT_EQ(table.state.Card(3).Top, Top + 61);
    EXPECT_EQ(shown.Word, "CAT");

    SCOPED_TRACE("a word glides back card by card");
    effects.events.clear();
    DragTo(table.state, effects, 1, 733, 611);
    EXPECT_EQ(effects.events,
              (std::vector<std::string>{"glide 1", "sound DrawStack", "glide 2", "sound DrawStack",
                                        "glide 3", "sound DrawStack"}));
    // The lower part of a longer word, let go far away, glides back under its first card.
    table.PutOnTable(5, Column(1), Top + 90).Tag = CardTag::Word;
    table.state.WordCards.Add(5);
    effects.glides.clear();
    DragTo(table.state, effects, 2, 700, 600);
    ASSERT_EQ(effects.glides.size(), 4U);
    EXPECT_EQ(effects.glides[0].index, 1);
    EXPECT_EQ(effects.glides[0].fromLeft, Column(1));
    ExpectTable(table.state, {1, 2, 3, 5}, {{2, 1, 1}, {5, 1, 3}});
}

// clang-format off
TEST(UndoLastMove, PutsBackOnlyWhatStillFitsAfterTheTableChangedAndNothingAfterANewGame) {
    struct Row {
        const char* what;
        int wordLength, dragged;
        float left, top;
        std::function<void(TestTable&)> since; // what happened between the move and the undo
        std::vector<int> word;                 // after the undo
        std::vector<Place> places;
    };
    const auto moveCard1To = [](int column) {
        return [column](TestTable& table) { table.state.Card(1).Left = Column(column); };
    };
    const Row rows[] = {
        {"a table card used since is left alone", 3, 4, Column(2), Top, [](TestTable& table) { table.MarkUsed(4); }, {1, 2, 3}, {{4, 0, 0}}},
        {"a card with no card above its old place returns as a table card", 2, 2, Column(6), Top, moveCard1To(4), {}, {{2, 1, 1}}},
        {"a lower part with no card above its old place keeps its order", 3, 2, Column(6), Top, moveCard1To(7), {2, 3}, {{2, 1, 1}, {3, 1, 2}}},
        {"a new game forgets the move of a card let go far away", 0, 1, 700, 600, [](TestTable& table) {
             ResetGameVariables(table.state, StandardLetterCounts, GameTime{});
             table.PutInColumn(1, 4); // the new deal's card 1, on column 4
         }, {}, {{1, 4, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TestTable table = Layout(row.wordLength);
        GlidingEffects effects(table.state);
        DragTo(table.state, effects, row.dragged, row.left, row.top);
        row.since(table);
        UndoLastMove(table.state, effects);
        ExpectTable(table.state, row.word, row.places);
    }
    // clang-format on
}

// The undo record a press keeps, and the cards a drag takes along, are checked through the drops.
TEST(CardPickup, APressGraspsAndRaisesATableCardOrAWordInReadingOrderButNotItsThirdCard) {
    TestTable table("ABCDE");
    GameState& state = table.state;
    GlidingEffects effects(state);
    table.MarkUsed(1);
    Card_MouseDown(state, effects, table.Marker(3), 5, 5); // markers and used cards stay put
    Card_MouseDown(state, effects, 1, 5, 5);
    EXPECT_FALSE(state.Drag.Active);

    table.PutOnTable(4, 300, 400);
    table.PutOnTable(5, 300, 400);
    Card_MouseDown(state, effects, 4, 10.5, 11.5);
    EXPECT_TRUE(state.Drag.Active);
    EXPECT_EQ(std::tuple(state.Drag.GrabX, state.Drag.GrabY), std::tuple(10, 12)); // halves to even
    EXPECT_EQ(state.StackingOrder().back(), 4);
    Card_MouseMove(state, effects, 4, 10.5, 600); // beyond the board too
    EXPECT_EQ(std::tuple(state.Card(4).Left, state.Card(4).Top), std::tuple(300.5F, 988.0F));

    Card_MouseUp(state, effects, 4);
    Card_MouseMove(state, effects, 5, 50, 50); // no drag: nothing moves
    EXPECT_EQ(state.Card(5).Left, 300);

    SCOPED_TRACE("a word");
    table.MakeWord({3, 1, 2, 4}, 2);
    Card_MouseDown(table.state, effects, 1, 20, 20);
    const auto& pile = table.state.StackingOrder();
    EXPECT_EQ(std::vector<int>(pile.end() - 4, pile.end()), (std::vector<int>{3, 1, 2, 4}));
    Card_MouseUp(table.state, effects, 1);
    table.state.WordCards.Clear();
    table.MakeWord({1, 2, 3, 4}, 2);
    Card_MouseDown(table.state, effects, 3, 20, 20);
    EXPECT_FALSE(table.state.Drag.Active);
    Card_MouseMove(table.state, effects, 3, 80, 90);
    EXPECT_EQ(table.state.Card(3).Left, TestTable::ColumnLeft(2));
}

TEST(FindDropTarget, TheNearestCardWithin49PixelsLowerIndexFirstThatTheCardMaySee) {
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

    SCOPED_TRACE("what a table card and a word card see");
    TestTable word("ABCDE");
    word.PutOnTable(4, 500, 500);
    word.state.Card(5).Left = 500; // a pack card right there
    word.state.Card(5).Top = 500;
    EXPECT_EQ(FindDropTarget(word.state, 4), std::nullopt); // used cards count: see the drops
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
