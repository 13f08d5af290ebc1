#include "FakePorts.h"
#include "MotionFakes.h"
#include "TestTable.h"
#include "game/motion/GameOverAnimation.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::ScriptedRandom;
using testing::TestTable;

using Place = std::pair<float, float>;

Place PlaceOf(const GameState& state, int index) {
    return {state.Card(index).Left, state.Card(index).Top};
}

TEST(ShuffleSurface, NoTableCardMovesNothingAndPlaysNothing) {
    TestTable table("AB");
    table.MakeWord({1, 2}, 1);
    GlidingEffects effects(table.state);
    ScriptedRandom random({});
    ShuffleSurface(table.state, effects, random);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_TRUE(effects.glides.empty());
    EXPECT_TRUE(effects.sounds.empty());
}

TEST(ShuffleSurface, OneTableCardGlidesOntoItsOwnPlaceAndBack) {
    TestTable table("AB");
    table.PutInColumn(2, 4);
    GlidingEffects effects(table.state);
    ScriptedRandom random({std::nextafter(1.0, 0.0)});
    ShuffleSurface(table.state, effects, random);
    ASSERT_EQ(effects.glides.size(), 2U);
    EXPECT_EQ(effects.glides[0].steps, 200);
    EXPECT_EQ(effects.glides[1].steps, 200);
    EXPECT_EQ(effects.board.repaints, 400);
    EXPECT_EQ(PlaceOf(table.state, 2), Place(TestTable::ColumnLeft(4), TestTable::ColumnTop));
    EXPECT_EQ(effects.sounds, std::vector<std::string>{"DrawCard"});
}

TEST(ShuffleSurface, EachPassExchangesTheCardWithTheDrawnOne) {
    TestTable table("ABC");
    for (int i = 1; i <= 3; ++i) {
        table.PutInColumn(i, i);
    }
    const Place p1 = PlaceOf(table.state, 1);
    const Place p2 = PlaceOf(table.state, 2);
    const Place p3 = PlaceOf(table.state, 3);
    GlidingEffects effects(table.state);
    // Draws 2, then 3, then 3: 1 swaps with 2, then 2 with 3, then 3 with itself.
    ScriptedRandom random({0.5, 0.9, 0.7});
    ShuffleSurface(table.state, effects, random);
    EXPECT_EQ(PlaceOf(table.state, 1), p2);
    EXPECT_EQ(PlaceOf(table.state, 2), p3);
    EXPECT_EQ(PlaceOf(table.state, 3), p1);
    ASSERT_EQ(effects.glides.size(), 6U);
    EXPECT_EQ(effects.glides[0].index, 1);
    EXPECT_EQ(effects.glides[1].index, 2);
    EXPECT_EQ(effects.events[2], "sound DrawCard");
}

TEST(ShuffleSurface, ADrawJustBelowOneStaysWithinTheTable) {
    TestTable table("ABCD");
    for (int i = 1; i <= 4; ++i) {
        table.PutInColumn(i, i);
    }
    GlidingEffects effects(table.state);
    const double justBelowOne = std::nextafter(1.0, 0.0);
    ScriptedRandom random({justBelowOne, justBelowOne, justBelowOne, justBelowOne});
    ShuffleSurface(table.state, effects, random);
    // Every pass draws the last card: 1 swaps with 4, then 2 with 4, then 3 with 4.
    EXPECT_EQ(effects.glides.size(), 8U);
    EXPECT_EQ(PlaceOf(table.state, 1).first, TestTable::ColumnLeft(4));
    EXPECT_EQ(PlaceOf(table.state, 2).first, TestTable::ColumnLeft(1));
    EXPECT_EQ(PlaceOf(table.state, 3).first, TestTable::ColumnLeft(2));
    EXPECT_EQ(PlaceOf(table.state, 4).first, TestTable::ColumnLeft(3));
}

TEST(ShuffleSurface, OnlyTableCardsMoveAndEachEndsExactlyOnAFormerPlace) {
    TestTable table("SHUFFLEWORD");
    for (int i = 1; i <= 7; ++i) {
        table.PutInColumn(i, i);
    }
    table.PutOnTable(8, 333, 517); // a table card outside the columns
    table.MakeWord({9, 10}, 1);
    table.state.Card(9).Left = 640; // the word lies elsewhere
    table.state.Card(10).Left = 640;
    table.MarkUsed(11);
    const GameState before = table.state;
    GlidingEffects effects(table.state);
    ScriptedRandom random({0.9, 0.1, 0.55, 0.3, 0.0, 0.77, 0.42, 0.61});
    ShuffleSurface(table.state, effects, random);

    std::vector<Place> placesBefore;
    std::vector<Place> placesAfter;
    for (int i = 1; i <= 8; ++i) {
        placesBefore.push_back(PlaceOf(before, i));
        placesAfter.push_back(PlaceOf(table.state, i));
    }
    EXPECT_NE(placesBefore, placesAfter);
    std::sort(placesBefore.begin(), placesBefore.end());
    std::sort(placesAfter.begin(), placesAfter.end());
    EXPECT_EQ(placesBefore, placesAfter);

    for (int i = 1; i <= before.LastCardIndex(); ++i) {
        const CardRecord& was = before.Card(i);
        const CardRecord& is = table.state.Card(i);
        EXPECT_EQ(is.Tag, was.Tag) << "card " << i;
        EXPECT_EQ(is.DataField, was.DataField) << "card " << i;
        EXPECT_EQ(is.DataMember, was.DataMember) << "card " << i;
        if (was.Tag != CardTag::Table) {
            EXPECT_EQ(PlaceOf(table.state, i), PlaceOf(before, i)) << "card " << i;
        }
    }
    EXPECT_EQ(table.state.WordCards, before.WordCards);
    EXPECT_EQ(table.state.Pack, before.Pack);
    EXPECT_EQ(effects.sounds.size(), 8U);
}

} // namespace
} // namespace lexabit
