#pragma once

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/motion/CardGlide.h"
#include "game/motion/GlideEngine.h"
#include "game/play/CardDrop.h"
#include "game/play/CardPickup.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lexabit::testing {

// Hands out the fractions it was given, in order, then throws, failing the test.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> fractions) : fractions_(std::move(fractions)) {}
    void SeedFromClock() override { ++seeds; }
    double Fraction() override { return fractions_.at(next_++); }
    std::size_t used() const { return next_; }
    int seeds = 0;

private:
    std::vector<double> fractions_;
    std::size_t next_ = 0;
};

class FakeClock final : public Clock {
public:
    GameTime Now() const override { return now; }
    void Advance(int seconds) { now += std::chrono::seconds(seconds); }
    GameTime now{std::chrono::seconds(1'800'000'000)};
};

class CountingSurface final : public DrawingSurface {
public:
    void ClearDrawings() override {}
    void SetPenWidth(int) override {}
    void DrawRectangle(double, double, double, double, RgbColour) override {}
    void RepaintNow() override { ++repaints; }

    int repaints = 0;
};

// Glides each card through the motion engine as the window does; records glides and sounds.
class GlidingEffects final : public Effects {
public:
    struct Glide {
        int index;
        double fromLeft, left, top;
        int steps;
    };

    explicit GlidingEffects(GameState& state) : state_(state) {}

    void GlideCard(int index, double left, double top, int steps) override {
        const CardRecord& card = state_.Card(index);
        glides.push_back({index, card.Left, left, top, steps});
        events.push_back("glide " + std::to_string(index));
        GlideCardOnBoard(sprites_, board, state_, index, left, top, steps);
    }
    void PlaySound(const std::string& name) override {
        sounds.push_back(name);
        events.push_back("sound " + name);
    }
    void Repaint() override {
        ++repaints;
        onRepaint();
    }

    std::vector<Glide> glides;
    std::vector<std::string> sounds;
    std::vector<std::string> events;
    int repaints = 0;
    std::function<void()> onRepaint = [] {}; // what the board would show then
    CountingSurface board;

private:
    GameState& state_;
    GlideEngine sprites_;
};

// Presses 10 pixels inside the card's corner and moves the pointer until the corner is there.
inline void PickUpAndMove(GameState& state, Effects& effects, int index, float left, float top) {
    Card_MouseDown(state, effects, index, 10, 10);
    const CardRecord& card = state.Card(index);
    Card_MouseMove(state, effects, index, 10 + (left - card.Left), 10 + (top - card.Top));
}

inline WordDisplay DragTo(GameState& state, Effects& effects, int index, float left, float top) {
    PickUpAndMove(state, effects, index, left, top);
    Card_MouseUp(state, effects, index);
    return state.Shown;
}

} // namespace lexabit::testing
