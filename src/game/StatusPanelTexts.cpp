#include "game/StatusPanelTexts.h"

#include "game/NumberText.h"

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

} // namespace lexabit
