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

// Moves by equal signed steps, repainting each; later rules compare places exactly (a
// column's cards, the card kept on the Hard level), so a glide ends on its whole-pixel
// target, halves going to the even pixel, not a rounding error away.
TEST(GlideCardOnBoard, MovesByEqualStepsAndEndsExactlyOnTheWholePixelTarget) {
    struct Case {
        float fromLeft, fromTop;
        double toLeft, toTop;
        int steps;
        std::vector<std::pair<float, float>> firstPlaces;
        std::pair<float, float> last;
    };
    // clang-format off
    const Case cases[] = {
        {100, 100, 40, 70, 30, {{98, 99}, {96, 98}}, {40, 70}},
        {10, 20, 70, 35, 3, {{30, 25}, {50, 30}}, {70, 35}},
        {12, 34, 12, 34, 3, {{12, 34}, {12, 34}}, {12, 34}}, // on target: still repainted
        {-100.25F, 1.0F / 3, 763, 298, 30, {}, {763, 298}},
        {13.5F, 700.3F, 10.5, 11.5, 200, {}, {10, 12}},
    };
    // clang-format on
    for (const Case& c : cases) {
        GameState state;
        state.CreateCard(1);
        state.Card(1).Left = c.fromLeft;
        state.Card(1).Top = c.fromTop;
        TheDll sprites;
        CountingSurface board;
        std::vector<std::pair<float, float>> trace;
        board.onRepaint = [&] { trace.emplace_back(state.Card(1).Left, state.Card(1).Top); };
        GlideCardOnBoard(sprites, board, state, 1, c.toLeft, c.toTop, c.steps);
        ASSERT_EQ(trace.size(), static_cast<std::size_t>(c.steps)) << c.fromLeft;
        EXPECT_EQ(trace.back(), c.last) << c.fromLeft;
        trace.resize(c.firstPlaces.size());
        EXPECT_EQ(trace, c.firstPlaces) << c.fromLeft;
    }
}

} // namespace
} // namespace lexabit
