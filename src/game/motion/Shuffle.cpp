#include "game/motion/Shuffle.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/model/Texts.h"
#include "game/motion/CardGlide.h"

#include <algorithm>
#include <vector>

namespace lexabit {

namespace {

std::vector<int> TableCards(const GameState& state) {
    std::vector<int> table;
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (state.Card(i).Tag == CardTag::Table) {
            table.push_back(i);
        }
    }
    return table;
}

// A position in 1..count; a fraction that rounds up to 1 must not reach past the end.
int DrawPosition(RandomSource& random, int count) {
    const int drawn = static_cast<int>(random.Fraction() * count + 1);
    return std::clamp(drawn, 1, count);
}

float WholePixels(float value) {
    return static_cast<float>(RoundHalfEven(value));
}

void Exchange(GameState& state, Effects& effects, int mover, int partner) {
    const CardRecord& moverCard = state.Card(mover);
    const float oldLeft = WholePixels(moverCard.Left);
    const float oldTop = WholePixels(moverCard.Top);
    effects.GlideCard(mover, WholePixels(state.Card(partner).Left),
                      WholePixels(state.Card(partner).Top), ShuffleGlideSteps);
    state.Card(mover).Top = state.Card(partner).Top;
    state.Card(mover).Left = state.Card(partner).Left;
    GlideAndPlace(state, effects, partner, oldLeft, oldTop, ShuffleGlideSteps);
}

} // namespace

void ShuffleSurface(GameState& state, Effects& effects, RandomSource& random) {
    random.SeedFromClock();
    // The cards change places: a move taken back now would put its card over another.
    state.ForgetLastMove();
    const std::vector<int> table = TableCards(state);
    const int count = static_cast<int>(table.size());
    for (int j = 1; j <= count; ++j) {
        const int r = DrawPosition(random, count);
        Exchange(state, effects, table[static_cast<std::size_t>(j - 1)],
                 table[static_cast<std::size_t>(r - 1)]);
        effects.PlaySound("DrawCard");
    }
    if (count > 0) {
        effects.Repaint();
    }
}

} // namespace lexabit
