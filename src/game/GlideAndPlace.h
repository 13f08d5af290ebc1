#pragma once

namespace lexabit {

class Effects;
class GameState;

// Steps of every single-card glide, and of each half of a shuffle's exchange.
inline constexpr int CardGlideSteps = 30;
inline constexpr int ShuffleGlideSteps = 200;

// Glides card `index` to (left, top) and then sets it exactly there, so no remainder of
// the glide's steps is left behind.
void GlideAndPlace(GameState& state, Effects& effects, int index, float left, float top,
                   int steps = CardGlideSteps);

} // namespace lexabit
