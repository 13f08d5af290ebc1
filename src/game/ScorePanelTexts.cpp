#include "game/ScorePanelTexts.h"

#include "game/NumberText.h"

namespace lexabit {

std::string ScorePanelText(int totalScore) {
    return "Total Score: " + NumberText(totalScore);
}

std::string WordCountPanelText(int words) {
    return "Total Number of Words: " + NumberText(words);
}

std::string CardsLeftPanelText(int cardsLeft) {
    return " Number of Cards Left: " + NumberText(cardsLeft);
}

} // namespace lexabit
