#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lexabit {

class GameState;

// Letter cards not yet used in an accepted word: pack, table and word cards alike.
std::int16_t CardsLeft(const GameState& state);

// The rating for a number of cards left: 0 "Master" ... 5 "Average", 6 or more
// "Fair"; empty for a negative count, which no game can reach.
std::string SkillLevelFor(int cardsLeft);
std::string SkillLevel(const GameState& state);

// What the player is told when a game ends early, by request or by the word timer:
// "Your skill level is: Good, You had 4 cards left".
std::string RatingMessageFor(std::string_view skill, int cardsLeft);
std::string RatingMessage(const GameState& state);

} // namespace lexabit
