#pragma once

// The board's show at the end of a game.

#include <functional>
#include <vector>

namespace lexabit {

class GameState;

// The show at the end of a game: the first twenty letter cards gather in the middle
// of the board and run across it as a snake. The leader bounces off the edges and
// every other card steps onto the place the card ahead of it has just left; after
// sixteen bounces off the top the leader runs out through the bottom, and the show
// ends when the last card of the snake lies more than 10 pixels below the board.
//
// This class makes the frames: each NextFrame moves the cards in the game state,
// and the window draws the board between frames.
class GameOverAnimation {
public:
    static constexpr int SnakeLength = 20;
    static constexpr int TopBouncesBeforeExit = 16;
    static constexpr int StartSpeedX = 5;
    static constexpr int StartSpeedY = 40;

    // Gathers the snake, visible, in the middle of the board. With fewer than twenty
    // letter cards the snake is as long as there are cards; with none there is no show.
    explicit GameOverAnimation(GameState& state);

    bool Done() const { return done_; }
    // Moves the snake on by one frame. Does nothing once the show is over.
    void NextFrame();

    const std::vector<int>& Snake() const { return snake_; }
    int SpeedX() const { return speedX_; }
    int SpeedY() const { return speedY_; }
    int TopBounces() const { return topBounces_; }

private:
    struct Point {
        int X;
        int Y;
    };
    bool SnakeStillExists() const;
    void StepCard(std::size_t k);
    void CheckEdges();

    GameState& state_;
    std::vector<int> snake_;
    std::vector<Point> trail_;
    int speedX_ = StartSpeedX;
    int speedY_ = StartSpeedY;
    int topBounces_ = 0;
    bool done_ = false;
};

// Plays the whole show, calling showFrame after every frame; the window draws the
// board there and handles its pending events. Returns when the show is over.
void PlayGameOverAnimation(GameState& state, const std::function<void()>& showFrame);

} // namespace lexabit
