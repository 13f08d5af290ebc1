#pragma once

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/motion/CardGlide.h"
#include "game/motion/TheDll.h"

#include <functional>
#include <string>
#include <vector>

namespace lexabit::testing {

// A picture that keeps its position as plain doubles.
class TestPicture final : public MovablePicture {
public:
    TestPicture(double left, double top, double width = CardWidth, double height = CardHeight)
        : left_(left), top_(top), width_(width), height_(height) {}
    double Left() const override { return left_; }
    double Top() const override { return top_; }
    void SetLeft(double left) override { left_ = left; }
    void SetTop(double top) override { top_ = top; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }

private:
    double left_;
    double top_;
    double width_;
    double height_;
};

// A board that draws nothing and shows nothing: it counts what it was asked to do, keeps
// the rectangles drawn since it was last cleared, and can look at the scene at each repaint.
class CountingSurface final : public DrawingSurface {
public:
    struct Rectangle {
        double left;
        double top;
        double right;
        double bottom;
        RgbColour colour;
        int penWidth;
    };
    void ClearDrawings() override {
        ++clears;
        rectangles.clear();
    }
    void SetPenWidth(int width) override { penWidth = width; }
    void DrawRectangle(double left, double top, double right, double bottom,
                       RgbColour colour) override {
        rectangles.push_back({left, top, right, bottom, colour, penWidth});
    }
    void RepaintNow() override {
        ++repaints;
        if (onRepaint) {
            onRepaint();
        }
    }

    int clears = 0;
    int repaints = 0;
    int penWidth = 1;
    std::vector<Rectangle> rectangles;
    std::function<void()> onRepaint;
};

// An Effects port that really moves the cards: every glide runs the motion engine over
// the card on a counting board, as the window does. It records the glides and the sounds,
// and one log of both in the order they came.
class GlidingEffects final : public Effects {
public:
    struct Glide {
        int index;
        double fromLeft;
        double fromTop;
        double left;
        double top;
        int steps;
    };

    explicit GlidingEffects(GameState& state) : state_(state) {}

    void GlideCard(int index, double left, double top, int steps) override {
        const CardRecord& card = state_.Card(index);
        glides.push_back({index, card.Left, card.Top, left, top, steps});
        events.push_back("glide " + std::to_string(index));
        GlideCardOnBoard(sprites_, board, state_, index, left, top, steps);
    }
    void PlaySound(const std::string& name) override {
        sounds.push_back(name);
        events.push_back("sound " + name);
    }
    void Repaint() override { ++repaints; }

    std::vector<Glide> glides;
    std::vector<std::string> sounds;
    std::vector<std::string> events;
    int repaints = 0;
    CountingSurface board;

private:
    GameState& state_;
    TheDll sprites_;
};

} // namespace lexabit::testing
