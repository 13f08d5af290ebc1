#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lexabit {

// Where a card lies. The numeric values are the location codes the game
// keeps in a card's Tag and in the undo record.
enum class CardTag : int {
    Used = -1,  // part of an accepted word, taken off the board
    Pack = 0,   // dealt into the pack, hidden at the pack's place
    Table = 1,  // face up on the table by itself
    Marker = 2, // invisible placeholder at the top of a column
    Word = 3,   // a member of the word being built
};

std::string tagText(CardTag tag);
std::optional<CardTag> tagFromText(std::string_view text);

} // namespace lexabit
