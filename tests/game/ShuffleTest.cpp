#include "FakePorts.h"
#include "MotionFakes.h"
#include "TestTable.h"
#include "game/motion/GameOverAnimation.h"

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

TEST(ShuffleSurface, EachTableCardSwapsPlacesWithTheDrawnOneInTwoSlowGlides) {
    TestTable table("SHUFL");
    table.PutInColumn(1, 1);
    table.PutInColumn(2, 2);
    table.PutOnTable(3, 333, 517); // a table card outside the columns
    table.MakeWord({4, 5}, 5);
    const GameState before = table.state;
    GlidingEffects effects(table.state);
    // Draws 2, then 3, then 3: 1 swaps with 2, then 2 with 3, then 3 with itself.
    ScriptedRandom random({0.5, 0.9, std::nextafter(1.0, 0.0)});
    ShuffleSurface(table.state, effects, random);
    const std::vector<Place> after{PlaceOf(table.state, 1), PlaceOf(table.state, 2),
                                   PlaceOf(table.state, 3), PlaceOf(table.state, 4),
                                   PlaceOf(table.state, 5)};
    EXPECT_EQ(after, (std::vector<Place>{PlaceOf(before, 2), PlaceOf(before, 3), PlaceOf(before, 1),
                                         PlaceOf(before, 4), PlaceOf(before, 5)}));
    ASSERT_EQ(effects.glides.size(), 6U);
    EXPECT_EQ(effects.glides[0].index, 1);
    EXPECT_EQ(effects.glides[1].index, 2);
    EXPECT_EQ(effects.board.repaints, 6 * 200);
    EXPECT_EQ(effects.sounds, std::vector<std::string>(3, "DrawCard"));
    EXPECT_EQ(random.seeds, 1);

    TestTable noTableCard("AB"); // nothing to shuffle: nothing moves, nothing sounds
    noTableCard.MakeWord({1, 2}, 1);
    GlidingEffects quiet(noTableCard.state);
    ScriptedRandom unused({});
    ShuffleSurface(noTableCard.state, quiet, unused);
    EXPECT_TRUE(quiet.events.empty());
}

} // namespace
} // namespace lexabit
