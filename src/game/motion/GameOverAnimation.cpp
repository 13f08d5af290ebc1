#include "game/motion/GameOverAnimation.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace lexabit {

GameOverAnimation::GameOverAnimation(GameState& state) : state_(state) {
    for (int i = 1; i <= state_.CardsTotal && static_cast<int>(snake_.size()) < SnakeLength; ++i) {
        if (state_.CardExists(i)) {
            snake_.push_back(i);
        }
    }
    done_ = snake_.empty();
    trail_.resize(snake_.size());
    for (const int index : snake_) {
        CardRecord& card = state_.Card(index);
        card.Left = static_cast<float>(state_.ScaleWidth / 2);
        card.Top = static_cast<float>(state_.ScaleHeight / 2);
        card.Visible = true;
    }
}

void GameOverAnimation::NextFrame() {
    // The window handles events between frames; a new game started there takes the
    // cards away, and then the show is over.
    if (!done_ && !SnakeStillExists()) {
        done_ = true;
    }
    if (done_) {
        return;
    }
    for (std::size_t k = 0; k < snake_.size(); ++k) {
        StepCard(k);
        CheckEdges();
    }
}

bool GameOverAnimation::SnakeStillExists() const {
    return std::ranges::all_of(snake_, [this](int index) { return state_.CardExists(index); });
}

void GameOverAnimation::StepCard(std::size_t k) {
    CardRecord& card = state_.Card(snake_[k]);
    trail_[k] = {static_cast<int>(RoundHalfEven(card.Left)),
                 static_cast<int>(RoundHalfEven(card.Top))};
    if (k == 0) {
        card.Left += static_cast<float>(speedX_);
        card.Top += static_cast<float>(speedY_);
        return;
    }
    // A card still lying where the card ahead lay stays: the snake unfolds one card a frame.
    const Point ahead = trail_[k - 1];
    if (card.Left != static_cast<float>(ahead.X) && card.Top != static_cast<float>(ahead.Y)) {
        card.Left = static_cast<float>(ahead.X);
        card.Top = static_cast<float>(ahead.Y);
    }
}

void GameOverAnimation::CheckEdges() {
    const CardRecord& leader = state_.Card(snake_.front());
    const double width = state_.ScaleWidth;
    const double height = state_.ScaleHeight;
    // Each turn sends the leader back inside: a board smaller than a card would
    // otherwise flip the step to and fro and the show would never end.
    if (CardWidth + leader.Left + speedX_ > width) {
        speedX_ = -std::abs(speedX_);
    } else if (leader.Left + speedX_ < 0) {
        speedX_ = std::abs(speedX_);
    }
    if (topBounces_ < TopBouncesBeforeExit) {
        if (CardHeight + leader.Top + speedY_ > height) {
            speedY_ = -std::abs(speedY_);
        } else if (leader.Top + speedY_ < 0) {
            speedY_ = std::abs(speedY_);
            ++topBounces_;
        }
    } else if (height + 10 < state_.Card(snake_.back()).Top) {
        done_ = true;
    }
}

void PlayGameOverAnimation(GameState& state, const std::function<void()>& showFrame) {
    GameOverAnimation show(state);
    while (!show.Done()) {
        show.NextFrame();
        showFrame();
    }
}

} // namespace lexabit
