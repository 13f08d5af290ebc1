#include "game/motion/TheDll.h"

#include "MotionFakes.h"
#include "game/model/GameState.h"
#include "game/motion/CardGlide.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace lexabit {
namespace {

using testing::CountingSurface;
using testing::TestPicture;

// Where the picture stood at every repaint of a move.
std::vector<std::pair<double, double>> TraceMove(TestPicture& picture, int newLeft, int newTop,
                                                 int steps) {
    TheDll sprites;
    CountingSurface board;
    std::vector<std::pair<double, double>> trace;
    board.onRepaint = [&] { trace.emplace_back(picture.Left(), picture.Top()); };
    sprites.MoveToLocation(picture, board, newLeft, newTop, steps);
    return trace;
}

TEST(MoveToLocation, MovesByEqualSignedStepsAndRepaintsEachOne) {
    struct Case {
        int fromLeft, fromTop, toLeft, toTop, steps;
        std::vector<std::pair<double, double>> firstPlaces;
    };
    const Case cases[] = {
        {100, 100, 40, 70, 30, {{98, 99}, {96, 98}}},                  // left and above
        {10, 20, 70, 35, 3, {{30, 25}, {50, 30}, {70, 35}}},           // right and below
        {50, 20, 50, 80, 4, {{50, 35}, {50, 50}, {50, 65}, {50, 80}}}, // straight down
        {12, 34, 12, 34, 3, {{12, 34}, {12, 34}, {12, 34}}},           // on target: still repainted
        {5, 5, 100, 100, 0, {}},                                       // no step: nothing moves
    };
    for (const Case& c : cases) {
        TestPicture picture(c.fromLeft, c.fromTop);
        const auto trace = TraceMove(picture, c.toLeft, c.toTop, c.steps);
        EXPECT_EQ(trace.size(), static_cast<std::size_t>(c.steps)) << c.fromLeft;
        for (std::size_t k = 0; k < c.firstPlaces.size() && k < trace.size(); ++k) {
            EXPECT_DOUBLE_EQ(trace[k].first, c.firstPlaces[k].first) << c.fromLeft << " step " << k;
            EXPECT_DOUBLE_EQ(trace[k].second, c.firstPlaces[k].second)
                << c.fromLeft << " step " << k;
        }
    }
}

// Later rules compare places exactly (a column's cards, the card kept on the Hard level),
// so a card must end every glide on its whole-pixel target, not a rounding error away.
TEST(GlideCardOnBoard, EveryGlideEndsExactlyOnItsWholePixelTarget) {
    GameState state;
    state.CreateCard(1);
    TheDll sprites;
    CountingSurface board;
    int glides = 0;
    int offTarget = 0;
    for (const int steps : {30, 200}) {
        for (float fromLeft = -100.25F; fromLeft < 1200; fromLeft += 61.7F) {
            for (float fromTop = 13.5F; fromTop < 700; fromTop += 97.3F) {
                for (int toLeft = 145; toLeft <= 763; toLeft += 103) {
                    for (const int toTop : {51, 238, 268, 298}) {
                        state.Card(1).Left = fromLeft;
                        state.Card(1).Top = fromTop;
                        GlideCardOnBoard(sprites, board, state, 1, toLeft, toTop, steps);
                        ++glides;
                        offTarget += state.Card(1).Left != static_cast<float>(toLeft) ||
                                     state.Card(1).Top != static_cast<float>(toTop);
                    }
                }
            }
        }
    }
    EXPECT_EQ(offTarget, 0) << "of " << glides << " glides";
    GlideCardOnBoard(sprites, board, state, 1, 10.5, 11.5, 30); // halves to the even pixel
    EXPECT_EQ(state.Card(1).Left, 10);
    EXPECT_EQ(state.Card(1).Top, 12);
}

TEST(TheDllList, ResetJumpsEveryPictureBackHome) {
    TheDll sprites;
    CountingSurface board;
    TestPicture first(10, 20);
    TestPicture second(300, 400);
    sprites.AddPicture(first);
    sprites.AddPicture(second);
    sprites.MoveToLocation(first, board, 90, 90, 5);
    second.SetLeft(1);
    second.SetTop(2);
    const int repaintsBefore = board.repaints;

    sprites.Reset();
    EXPECT_EQ(first.Left(), 10);
    EXPECT_EQ(first.Top(), 20);
    EXPECT_EQ(second.Left(), 300);
    EXPECT_EQ(second.Top(), 400);
    EXPECT_EQ(board.repaints, repaintsBefore);
}

TEST(TheDllList, ClearCollectionKeepsHomesUntilTheNextPictureOverwritesThem) {
    TheDll sprites;
    sprites.ClearCollection();
    EXPECT_EQ(sprites.PictureCount(), 0);

    TestPicture first(10, 20);
    TestPicture second(30, 40);
    sprites.AddPicture(first);
    sprites.AddPicture(second);
    sprites.ClearCollection();
    EXPECT_EQ(sprites.PictureCount(), 0);
    EXPECT_EQ(sprites.HomePositions().size(), 2U);

    TestPicture third(50, 60);
    sprites.AddPicture(third);
    ASSERT_EQ(sprites.HomePositions().size(), 1U);
    EXPECT_EQ(sprites.HomePositions()[0].Left, 50);
    EXPECT_EQ(sprites.HomePositions()[0].Top, 60);
}

TEST(PutBorder, FramesThePictureWithTheExtraUnitOnTheFarCorner) {
    TheDll sprites;
    CountingSurface board;
    const TestPicture picture(10, 20, 93, 121);
    sprites.PutBorder(picture, board, 0x0000FFU, 3);
    ASSERT_EQ(board.rectangles.size(), 1U);
    const auto& frame = board.rectangles[0];
    EXPECT_EQ(frame.left, 7);
    EXPECT_EQ(frame.top, 17);
    EXPECT_EQ(frame.right, 107);
    EXPECT_EQ(frame.bottom, 145);
    EXPECT_EQ(frame.colour, 0x0000FFU);
    EXPECT_EQ(frame.penWidth, 3);
}

TEST(MoveTo, GathersEveryListedPictureOnTheTargetAndFramesIt) {
    TheDll sprites;
    CountingSurface board;
    TestPicture target(200, 100);
    TestPicture left(100, 160);
    TestPicture right(260, 40);
    sprites.AddPicture(left);
    sprites.AddPicture(target);
    sprites.AddPicture(right);

    sprites.MoveTo(target, board, 20, 0x00FF00U, 2);

    EXPECT_EQ(target.Left(), 200);
    EXPECT_EQ(target.Top(), 100);
    EXPECT_EQ(left.Left(), 200);
    EXPECT_EQ(left.Top(), 100);
    EXPECT_EQ(right.Left(), 200);
    EXPECT_EQ(right.Top(), 100);
    EXPECT_EQ(board.repaints, 20);
    EXPECT_EQ(board.clears, 21); // the borders first, then once per step
    ASSERT_EQ(board.rectangles.size(), 1U);
    EXPECT_EQ(board.rectangles[0].left, 198);
    EXPECT_EQ(board.rectangles[0].colour, 0x00FF00U);
}

TEST(CardPicture, MovesTheCardAndKeepsFractionsAsSinglePrecision) {
    GameState state;
    state.CreateCard(1);
    CardPicture card(state, 1);
    card.SetLeft(10.25);
    card.SetTop(1.0 / 3.0);
    EXPECT_EQ(state.Card(1).Left, 10.25F);
    EXPECT_EQ(state.Card(1).Top, static_cast<float>(1.0 / 3.0));
    EXPECT_EQ(card.ScaleWidth(), CardWidth);
    EXPECT_EQ(card.ScaleHeight(), CardHeight);
}

} // namespace
} // namespace lexabit
