#include "game/model/GameState.h"

#include <algorithm>
#include <stdexcept>

namespace lexabit {

int CardList::PositionOf(int index) const {
    const auto found = std::find(items_.begin(), items_.end(), index);
    return found == items_.end() ? 0 : static_cast<int>(found - items_.begin()) + 1;
}

GameState::GameState() {
    CreateCard(0);
}

void GameState::CreateCard(int index) {
    if (index < 0) {
        throw std::out_of_range("card index below zero");
    }
    if (index >= static_cast<int>(cards_.size())) {
        cards_.resize(static_cast<std::size_t>(index) + 1);
    }
    auto& slot = cards_[static_cast<std::size_t>(index)];
    if (slot) {
        throw std::logic_error("card " + std::to_string(index) + " exists already");
    }
    // A new element starts hidden, at the template's place, with the template's size.
    slot = CardRecord{};
    stacking_.push_back(index);
}

void GameState::DestroyCard(int index) {
    if (!CardExists(index) || index == 0) {
        return;
    }
    cards_[static_cast<std::size_t>(index)].reset();
    std::erase(stacking_, index);
    while (cards_.size() > 1 && !cards_.back()) {
        cards_.pop_back();
    }
}

bool GameState::CardExists(int index) const {
    return index >= 0 && index < static_cast<int>(cards_.size()) &&
           cards_[static_cast<std::size_t>(index)].has_value();
}

CardRecord& GameState::Card(int index) {
    if (!CardExists(index)) {
        throw std::out_of_range("no card " + std::to_string(index));
    }
    return *cards_[static_cast<std::size_t>(index)];
}

const CardRecord& GameState::Card(int index) const {
    if (!CardExists(index)) {
        throw std::out_of_range("no card " + std::to_string(index));
    }
    return *cards_[static_cast<std::size_t>(index)];
}

void GameState::ForgetLastMove() {
    Undo = LastMove{};
}

void GameState::RaiseCard(int index) {
    if (!CardExists(index)) {
        return;
    }
    std::erase(stacking_, index);
    stacking_.push_back(index);
}

std::optional<int> GameState::CardAt(double x, double y) const {
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        const CardRecord& card = Card(*it);
        if (card.Visible && x >= card.Left && x < card.Left + CardWidth && y >= card.Top &&
            y < card.Top + CardHeight) {
            return *it;
        }
    }
    return std::nullopt;
}

bool GameState::PackIsEmpty() const {
    for (int i = 1; i <= CardsTotal; ++i) {
        if (CardExists(i) && Card(i).Tag == CardTag::Pack) {
            return false;
        }
    }
    return true;
}

} // namespace lexabit
