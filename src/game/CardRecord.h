#pragma once

#include "game/CardTag.h"

#include <string>

namespace lexabit {

// Size of a card on the board, in pixels.
inline constexpr int CardWidth = 93;
inline constexpr int CardHeight = 121;

// One element of the card array: a letter card, a column marker or the template.
struct CardRecord {
    CardTag Tag = CardTag::Pack;
    std::string DataField;  // the letter, "A" to "Z"; empty on markers
    std::string DataMember; // the letter's value as decimal text
    int Picture = 0;        // letter number of the face shown, 1..26; 0 shows nothing
    float Left = 0;         // pixels from the board's left edge (kept fractional while gliding)
    float Top = 0;          // pixels from the board's top edge
    bool Visible = false;
};

} // namespace lexabit
