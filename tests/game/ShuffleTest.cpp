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

TEST(ShuffleSurface, EachPassSwapsATableCardWithTheDrawnOneInTwoSlowGlides) {
    TestTable table("ABCDE");
    for (int i = 1; i <= 3; ++i) {
        table.PutInColumn(i, i);
    }
    const Place p1 = PlaceOf(table.state, 1);
    const Place p2 = PlaceOf(table.state, 2);
    const Place p3 = PlaceOf(table.state, 3);
    GlidingEffects effects(table.state);
    // Draws 2, then 3, then 3: 1 swaps with 2, then 2 with 3, then 3 with itself.
    ScriptedRandom random({0.5, 0.9, std::nextafter(1.0, 0.0)});
    ShuffleSurface(table.state, effects, random);
    EXPECT_EQ(PlaceOf(table.state, 1), p2);
    EXPECT_EQ(PlaceOf(table.state, 2), p3);
    EXPECT_EQ(PlaceOf(table.state, 3), p1);
    ASSERT_EQ(effects.glides.size(), 6U);
    EXPECT_EQ(effects.glides[0].index, 1);
    EXPECT_EQ(effects.glides[1].index, 2);
    EXPECT_EQ(effects.glides[5].steps, 200);
    EXPECT_EQ(effects.board.repaints, 6 * 200);
    EXPECT_EQ(effects.events[2], "sound DrawCard");
    EXPECT_EQ(random.seeds, 1);
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
    std::ranges::sort(placesBefore);
    std::ranges::sort(placesAfter);
    EXPECT_EQ(placesBefore, placesAfter);
    for (int i = 9; i <= before.LastCardIndex(); ++i) {
        EXPECT_EQ(PlaceOf(table.state, i), PlaceOf(before, i)) << "card " << i;
    }
    EXPECT_EQ(table.state.WordCards, before.WordCards);
    EXPECT_EQ(effects.sounds.size(), 8U);

    TestTable noTableCard("AB"); // nothing to shuffle: nothing moves, nothing sounds
    noTableCard.MakeWord({1, 2}, 1);
    GlidingEffects quiet(noTableCard.state);
    ScriptedRandom unused({});
    ShuffleSurface(noTableCard.state, quiet, unused);
    EXPECT_TRUE(quiet.events.empty());
}

} // namespace
} // namespace lexabit
