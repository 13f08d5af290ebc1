#pragma once

#include <cstddef>
#include <vector>

namespace lexabit {

// An ordered list of card indices, numbered from 1 like the game's Pack and WordCards.
class CardList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // The card index at position q (1-based).
    int Item(int q) const { return items_.at(static_cast<std::size_t>(q - 1)); }
    int First() const { return Item(1); }
    int Last() const { return Item(Count()); }

    void Add(int index) { items_.push_back(index); }
    void AddFront(int index) { items_.insert(items_.begin(), index); }
    void Remove(int q) { items_.erase(items_.begin() + (q - 1)); }
    void Clear() { items_.clear(); }

    // Position (1-based) of the card with this index, or 0 when it is not listed.
    int PositionOf(int index) const;
    bool Contains(int index) const { return PositionOf(index) != 0; }

    const std::vector<int>& items() const { return items_; }

    friend bool operator==(const CardList&, const CardList&) = default;

private:
    std::vector<int> items_;
};

} // namespace lexabit
