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

using Place = std::pair<float, float>;
Place PlaceOf(const GameState& state, int index) {
    return {state.Card(index).Left, state.Card(index).Top};
}

const Place Middle{516, 356.5F};

TEST(GameOverAnimation, TwentyVisibleCardsUnfoldFromTheMiddleOneAFrameTurningAtTheSides) {
    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    ASSERT_EQ(show.Snake().size(), 20u);
    EXPECT_TRUE(state.Card(20).Visible);
    EXPECT_FALSE(state.Card(21).Visible);
    show.NextFrame();
    show.NextFrame();
    EXPECT_EQ(PlaceOf(state, 1), Place(526, 436.5F));
    EXPECT_EQ(PlaceOf(state, 2), Place(521, 396)); // the leader's place, rounded
    for (int frame = 3; frame <= 20; ++frame) {    // card k first leaves the middle in frame k
        for (int k = 2; k <= 20; ++k) {
            EXPECT_EQ(PlaceOf(state, k) == Middle, k >= frame)
                << "card " << k << " frame " << frame;
        }
        show.NextFrame();
    }
    state.Card(1).Left = 1032 - 93 - 3;
    show.NextFrame();
    EXPECT_EQ(state.Card(1).Left, 1032 - 93 + 2);
    EXPECT_EQ(show.SpeedX(), -5);
    state.Card(1).Left = 7;
    show.NextFrame();
    EXPECT_EQ(state.Card(1).Left, 2);
    EXPECT_EQ(show.SpeedX(), 5);
}

TEST(GameOverAnimation, AfterSixteenTopBouncesTheSnakeRunsOutThroughTheBottom) {
    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    int bottomBounces = 0;
    int frames = 0;
    while (!show.Done() && frames < 100'000) {
        const int speedBefore = show.SpeedY();
        const int bouncesBefore = show.TopBounces();
        const float leaderBefore = state.Card(1).Top;
        show.NextFrame();
        ++frames;
        if (speedBefore > 0 && show.SpeedY() < 0) {
            ++bottomBounces;
            EXPECT_LT(bouncesBefore, 16) << "a bottom bounce after the sixteenth top bounce";
        }
        if (bouncesBefore == 16) {
            EXPECT_EQ(state.Card(1).Top, leaderBefore + 40);
        }
        // The show goes on exactly as long as the last card is not yet below the board.
        EXPECT_EQ(state.Card(20).Top > 713 + 10, show.Done()) << "frame " << frames;
    }
    EXPECT_EQ(show.TopBounces(), 16);
    EXPECT_GE(bottomBounces, 16);

    GameState played = BoardWithCards(98);
    int framesShown = 0;
    PlayGameOverAnimation(played, [&] { ++framesShown; });
    EXPECT_EQ(framesShown, frames);
    EXPECT_EQ(PlaceOf(played, 20), PlaceOf(state, 20));
}

TEST(GameOverAnimation, AShortPackALowBoardOrANewGameStillEndTheShow) {
    GameState shortPack = BoardWithCards(3);
    PlayGameOverAnimation(shortPack, [] {});
    EXPECT_GT(shortPack.Card(3).Top, 713 + 10);
    EXPECT_FALSE(shortPack.Card(shortPack.MarkerIndex(1)).Visible);

    GameState lowBoard = BoardWithCards(98);
    lowBoard.ScaleWidth = 80;
    lowBoard.ScaleHeight = 150; // lower than a card
    PlayGameOverAnimation(lowBoard, [] {});
    EXPECT_GT(lowBoard.Card(20).Top, 150 + 10);

    GameState noLetters = BoardWithCards(0);
    int framesShown = 0;
    PlayGameOverAnimation(noLetters, [&] { ++framesShown; });
    EXPECT_EQ(framesShown, 0);

    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    show.NextFrame();
    state.DestroyCard(7);
    EXPECT_NO_THROW(show.NextFrame());
    EXPECT_TRUE(show.Done());
}

} // namespace
} // namespace lexabit
