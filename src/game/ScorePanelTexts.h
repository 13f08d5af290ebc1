#pragma once

#include <string>

namespace lexabit {

// The texts of the status bar's panels 1, 2 and 4, as a new game and every accepted
// word write them.
std::string ScorePanelText(int totalScore);    // panel 1: "Total Score:  12"
std::string WordCountPanelText(int words);     // panel 2: "Total Number of Words:  3"
std::string CardsLeftPanelText(int cardsLeft); // panel 4: " Number of Cards Left:  90"

} // namespace lexabit
