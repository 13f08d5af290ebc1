#include "game/motion/GameOverAnimation.h"

#include "game/model/GameState.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

// A board of the default size, 1032 by 713, with letter cards 1..letters and the markers.
GameState BoardWithCards(int letters) {
    GameState state;
    state.CardsTotal = static_cast<std::int16_t>(letters);
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        state.CreateCard(i);
    }
    return state;
}

// The show lets twenty cards bounce about the board and ends once the last has left it
// through the bottom, however few cards there are and however low the board.
TEST(GameOverAnimation, TwentyCardsBounceUntilTheLastLeavesThroughTheBottom) {
    struct Row {
        int letters;
        double height;
        int lastShown; // the snake's last card
    };
    const Row rows[] = {{98, 713, 20}, {3, 713, 3}, {98, 150, 20}}; // 150: lower than a card
    int firstShowFrames = -1;
    for (const Row& row : rows) {
        GameState state = BoardWithCards(row.letters);
        state.ScaleHeight = row.height;
        GameOverAnimation show(state);
        EXPECT_TRUE(state.Card(row.lastShown).Visible);
        EXPECT_FALSE(state.Card(row.lastShown + 1).Visible);
        int frames = 0;
        while (!show.Done() && frames < 100'000) {
            show.NextFrame();
            ++frames;
        }
        EXPECT_TRUE(show.Done()) << row.letters;
        firstShowFrames = firstShowFrames < 0 ? frames : firstShowFrames;
        EXPECT_GT(state.Card(row.lastShown).Top, row.height + 10) << row.letters;
        EXPECT_EQ(show.TopBounces(), 16) << row.letters;
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
