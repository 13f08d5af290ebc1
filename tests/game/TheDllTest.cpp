#include "game/motion/TheDll.h"

#include "MotionFakes.h"
#include "game/model/GameState.h"
#include "game/motion/CardGlide.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace lexabit {
namespace {

using testing::CountingSurface;

// A card-sized picture that keeps its position as plain doubles.
class TestPicture final : public MovablePicture {
public:
    TestPicture(double left, double top) : left_(left), top_(top) {}
    double Left() const override { return left_; }
    double Top() const override { return top_; }
    void SetLeft(double left) override { left_ = left; }
    void SetTop(double top) override { top_ = top; }
    double ScaleWidth() const override { return CardWidth; }
    double ScaleHeight() const override { return CardHeight; }

private:
    double left_;
    double top_;
};

TEST(MoveToLocation, MovesByEqualSignedStepsAndRepaintsEachOne) {
    struct Case {
        int fromLeft, fromTop, toLeft, toTop, steps;
        std::vector<std::pair<double, double>> firstPlaces;
    };
    // clang-format off
    const Case cases[] = {
        {100, 100, 40, 70, 30, {{98, 99}, {96, 98}}},                  // left and above
        {10, 20, 70, 35, 3, {{30, 25}, {50, 30}, {70, 35}}},           // right and below
        {12, 34, 12, 34, 3, {{12, 34}, {12, 34}, {12, 34}}},           // on target: still repainted
        {5, 5, 100, 100, 0, {}},                                       // no step: nothing moves
    };
    // clang-format on
    for (const Case& c : cases) {
        TestPicture picture(c.fromLeft, c.fromTop);
        TheDll sprites;
        CountingSurface board;
        std::vector<std::pair<double, double>> trace;
        board.onRepaint = [&] { trace.emplace_back(picture.Left(), picture.Top()); };
        sprites.MoveToLocation(picture, board, c.toLeft, c.toTop, c.steps);
        EXPECT_EQ(trace.size(), static_cast<std::size_t>(c.steps)) << c.fromLeft;
        trace.resize(c.firstPlaces.size());
        EXPECT_EQ(trace, c.firstPlaces) << c.fromLeft;
    }
}

// Later rules compare places exactly (a column's cards, the card kept on the Hard level),
// so a card must end every glide on its whole-pixel target, not a rounding error away.
TEST(GlideCardOnBoard, EveryGlideEndsExactlyOnItsWholePixelTarget) {
    GameState state;
    state.CreateCard(1);
    CardPicture picture(state, 1);
    picture.SetTop(1.0 / 3.0); // kept as the card keeps it, in single precision
    EXPECT_EQ(state.Card(1).Top, static_cast<float>(1.0 / 3.0));
    TheDll sprites;
    CountingSurface board;
    int offTarget = 0;
    for (const int steps : {30, 200}) {
        for (float fromLeft = -100.25F; fromLeft < 1200; fromLeft += 61.7F) {
            for (float fromTop = 13.5F; fromTop < 700; fromTop += 97.3F) {
                for (int toLeft = 145; toLeft <= 763; toLeft += 103) {
                    for (const int toTop : {51, 238, 268, 298}) {
                        state.Card(1).Left = fromLeft;
                        state.Card(1).Top = fromTop;
                        GlideCardOnBoard(sprites, board, state, 1, toLeft, toTop, steps);
                        offTarget += state.Card(1).Left != static_cast<float>(toLeft) ||
                                     state.Card(1).Top != static_cast<float>(toTop);
                    }
                }
            }
        }
    }
    EXPECT_EQ(offTarget, 0);
    GlideCardOnBoard(sprites, board, state, 1, 10.5, 11.5, 30); // halves to the even pixel
    EXPECT_EQ(state.Card(1).Left, 10);
    EXPECT_EQ(state.Card(1).Top, 12);
}

} // namespace
} // namespace lexabit
