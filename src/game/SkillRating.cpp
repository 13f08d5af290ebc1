#include "game/SkillRating.h"

#include "game/GameState.h"
#include "game/NumberText.h"

#include <algorithm>
#include <array>

namespace lexabit {

std::int16_t CardsLeft(const GameState& state) {
    int used = 0;
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (state.CardExists(i) && state.Card(i).Tag == CardTag::Used) {
            ++used;
        }
    }
    return static_cast<std::int16_t>(state.CardsTotal - used);
}

std::string SkillLevelFor(int cardsLeft) {
    static constexpr std::array<const char*, 7> Ratings = {
        "Master", "Fantastic", "Excellent", "Great", "Good", "Average", "Fair"};
    if (cardsLeft < 0) {
        return {};
    }
    return Ratings[static_cast<std::size_t>(std::min(cardsLeft, 6))];
}

std::string SkillLevel(const GameState& state) {
    return SkillLevelFor(CardsLeft(state));
}

std::string RatingMessageFor(std::string_view skill, int cardsLeft) {
    return "Your skill level is: " + std::string(skill) + ", You had" + NumberText(cardsLeft) +
           (cardsLeft == 1 ? " card left" : " cards left");
}

std::string RatingMessage(const GameState& state) {
    const int left = CardsLeft(state);
    return RatingMessageFor(SkillLevelFor(left), left);
}

} // namespace lexabit
