#include "game/scoring/ScoreTexts.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <array>

namespace lexabit {

std::string TotalScorePanel(int totalScore) {
    return "Total Score: " + NumberText(totalScore);
}

std::string WordCountPanel(int wordCount) {
    return "Total Number of Words: " + NumberText(wordCount);
}

std::string PlayingTimePanel(const std::string& playingTime) {
    return "Total Playing Time: " + playingTime;
}

std::string CardsLeftPanel(int cardsLeft) {
    return " Number of Cards Left: " + NumberText(cardsLeft);
}

std::string WordTimerPanel(int minutesLeft, int secondsLeft) {
    return "Word Timer: " + NumberText(minutesLeft) + ":" + NumberText(secondsLeft);
}

std::string PlayingTimeText(int hours, int minutes, int seconds) {
    return NumberText(hours) + ":" + NumberText(minutes) + ":" + NumberText(seconds);
}

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
