#include "game/motion/GameOverAnimation.h"

#include "game/model/GameState.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

// A board of the default size with letter cards 1..letters and the seven markers.
GameState BoardWithCards(int letters) {
    GameState state;
    state.CardsTotal = static_cast<std::int16_t>(letters);
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        state.CreateCard(i);
    }
    return state;
}

struct Place {
    float Left;
    float Top;
    friend bool operator==(const Place&, const Place&) = default;
};

Place PlaceOf(const GameState& state, int index) {
    return {state.Card(index).Left, state.Card(index).Top};
}

constexpr int FrameLimit = 100'000;

// Plays the show frame by frame to its end; gives the number of frames.
int RunToEnd(GameOverAnimation& show) {
    int frames = 0;
    while (!show.Done() && frames < FrameLimit) {
        show.NextFrame();
        ++frames;
    }
    return frames;
}

TEST(GameOverAnimation, TwentyLetterCardsGatherVisibleInTheMiddle) {
    GameState state = BoardWithCards(30);
    const GameOverAnimation show(state);
    ASSERT_EQ(show.Snake().size(), 20u);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(PlaceOf(state, i), (Place{516, 356.5f})) << "card " << i;
        EXPECT_TRUE(state.Card(i).Visible);
    }
    EXPECT_FALSE(state.Card(21).Visible);
    EXPECT_EQ(PlaceOf(state, 21), (Place{0, 0}));
}

TEST(GameOverAnimation, TheSnakeUnfoldsOneCardAFrame) {
    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    const Place middle{516, 356.5f};

    show.NextFrame();
    EXPECT_EQ(PlaceOf(state, 1), (Place{521, 396.5f}));
    EXPECT_EQ(PlaceOf(state, 2), middle);

    show.NextFrame();
    EXPECT_EQ(PlaceOf(state, 1), (Place{526, 436.5f}));
    EXPECT_EQ(PlaceOf(state, 2), (Place{521, 396})); // the leader's place, rounded
    EXPECT_EQ(PlaceOf(state, 3), middle);

    show.NextFrame();
    EXPECT_EQ(PlaceOf(state, 1), (Place{531, 476.5f}));
    EXPECT_EQ(PlaceOf(state, 2), (Place{526, 436}));
    EXPECT_EQ(PlaceOf(state, 3), (Place{521, 396}));
    EXPECT_EQ(PlaceOf(state, 4), middle);
    for (int frame = 4; frame <= 20; ++frame) { // card k first leaves the middle in frame k
        show.NextFrame();
        for (int k = 2; k <= 20; ++k) {
            EXPECT_EQ(PlaceOf(state, k) == middle, k > frame) << "card " << k << " frame " << frame;
        }
    }
}

TEST(GameOverAnimation, TheLeaderTurnsAtTheSideEdges) {
    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    state.Card(1).Left = 1032 - 93 - 3;
    show.NextFrame();
    EXPECT_EQ(state.Card(1).Left, 1032 - 93 + 2);
    EXPECT_EQ(show.SpeedX(), -5);
    show.NextFrame();
    EXPECT_EQ(state.Card(1).Left, 1032 - 93 - 3);

    state.Card(1).Left = 7;
    show.NextFrame();
    EXPECT_EQ(state.Card(1).Left, 2);
    EXPECT_EQ(show.SpeedX(), 5);
    show.NextFrame();
    EXPECT_EQ(state.Card(1).Left, 7);
}

TEST(GameOverAnimation, AfterSixteenTopBouncesTheSnakeRunsOutThroughTheBottom) {
    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    int bottomBounces = 0;
    int frames = 0;
    float lastTop = state.Card(20).Top;
    while (!show.Done() && frames < FrameLimit) {
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
        if (!show.Done()) {
            // The show goes on exactly as long as the last card is not yet below the board.
            EXPECT_LE(state.Card(20).Top, 713 + 10) << "frame " << frames;
        }
        lastTop = state.Card(20).Top;
    }
    ASSERT_TRUE(show.Done());
    EXPECT_EQ(show.TopBounces(), 16);
    EXPECT_GE(bottomBounces, 16);
    EXPECT_GT(lastTop, 713 + 10);
}

TEST(GameOverAnimation, AShortPackOrALowBoardStillEndsBelowTheBoard) {
    GameState shortPack = BoardWithCards(3);
    GameOverAnimation shortShow(shortPack);
    EXPECT_EQ(shortShow.Snake(), (std::vector<int>{1, 2, 3}));
    RunToEnd(shortShow);
    ASSERT_TRUE(shortShow.Done());
    EXPECT_GT(shortPack.Card(3).Top, 713 + 10);
    EXPECT_FALSE(shortPack.Card(shortPack.MarkerIndex(1)).Visible);

    GameState lowBoard = BoardWithCards(98);
    lowBoard.ScaleWidth = 80;
    lowBoard.ScaleHeight = 150; // lower than a card
    GameOverAnimation lowShow(lowBoard);
    RunToEnd(lowShow);
    ASSERT_TRUE(lowShow.Done());
    EXPECT_GT(lowBoard.Card(20).Top, 150 + 10);
}

TEST(GameOverAnimation, ANewGameDuringTheShowEndsIt) {
    GameState state = BoardWithCards(98);
    GameOverAnimation show(state);
    show.NextFrame();
    state.DestroyCard(7);
    EXPECT_NO_THROW(show.NextFrame());
    EXPECT_TRUE(show.Done());
}

TEST(GameOverAnimation, PlayingShowsEveryFrameAndReturnsAtTheEnd) {
    GameState byFrames = BoardWithCards(98);
    GameOverAnimation show(byFrames);
    const int frames = RunToEnd(show);

    GameState played = BoardWithCards(98);
    int framesShown = 0;
    PlayGameOverAnimation(played, [&] { ++framesShown; });
    EXPECT_EQ(framesShown, frames);
    EXPECT_EQ(PlaceOf(played, 20), PlaceOf(byFrames, 20));

    GameState noLetters = BoardWithCards(0);
    framesShown = 0;
    PlayGameOverAnimation(noLetters, [&] { ++framesShown; });
    EXPECT_EQ(framesShown, 0);
    EXPECT_FALSE(noLetters.Card(1).Visible); // the first marker
}

} // namespace
} // namespace lexabit
