#include "FakePorts.h"
#include "TestTable.h"
#include "game/motion/GameOverAnimation.h"
#include "game/motion/Shuffle.h"

#include <cmath>
#include <gtest/gtest.h>

namespace lexabit {
namespace {

using namespace testing; // the fakes and helpers of the rules tests

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
    const int placeBefore[] = {2, 3, 1, 4, 5}; // whose place each card now has
    for (int i = 1; i <= 5; ++i) {
        const CardRecord& now = table.state.Card(i);
        const CardRecord& then = before.Card(placeBefore[i - 1]);
        EXPECT_EQ(std::pair(now.Left, now.Top), std::pair(then.Left, then.Top)) << i;
    }
    ASSERT_EQ(effects.glides.size(), 6U);
    EXPECT_EQ(std::pair(effects.glides[0].index, effects.glides[1].index), std::pair(1, 2));
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

// A board of the default size, 1032 by 713, with letter cards 1..letters and the markers.
GameState BoardWithCards(int letters) {
    return TestTable(std::string(static_cast<std::size_t>(letters), 'A')).state;
}

TEST(GameOverAnimation, TwentyCardsBounceUntilTheLastLeavesThroughTheBottom) {
    // The letter cards, the board's height (150: lower than a card), the snake's last card.
    const std::tuple<int, double, int> rows[] = {{98, 713, 20}, {3, 713, 3}, {98, 150, 20}};
    int firstShowFrames = -1;
    for (const auto& [letters, height, lastShown] : rows) {
        SCOPED_TRACE(letters);
        GameState state = BoardWithCards(letters);
        state.ScaleHeight = height;
        GameOverAnimation show(state);
        EXPECT_EQ(std::pair(state.Card(lastShown).Visible, state.Card(lastShown + 1).Visible),
                  std::pair(true, false));
        int frames = 0;
        while (!show.Done() && frames < 100'000) {
            show.NextFrame();
            ++frames;
        }
        EXPECT_TRUE(show.Done());
        firstShowFrames = firstShowFrames < 0 ? frames : firstShowFrames;
        EXPECT_GT(state.Card(lastShown).Top, height + 10);
        EXPECT_EQ(show.TopBounces(), 16);
    }

    GameState played = BoardWithCards(98);
    int framesShown = 0;
    PlayGameOverAnimation(played, [&] { ++framesShown; });
    EXPECT_GT(played.Card(20).Top, 713 + 10);
    GameState noLetters = BoardWithCards(0);
    PlayGameOverAnimation(noLetters, [&] { ++framesShown; });
    EXPECT_EQ(framesShown, firstShowFrames); // one frame shown after each step

    GameState state = BoardWithCards(98); // a new game while the show runs ends it
    GameOverAnimation show(state);
    show.NextFrame();
    state.DestroyCard(7);
    EXPECT_NO_THROW(show.NextFrame());
    EXPECT_TRUE(show.Done());
}

} // namespace
} // namespace lexabit
