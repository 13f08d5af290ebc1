#pragma once

#include <string>

namespace lexabit {

// The title of the game's message boxes.
inline constexpr const char* MessageTitle = "Lexabit Solitaire";

// The message that ends a game when the word timer runs out or the player ends it:
// "Your skill level is: Good, You had 5 cards left" ("card left" for exactly one).
std::string SkillLevelMessage(const std::string& rating, int cardsLeft);

} // namespace lexabit
