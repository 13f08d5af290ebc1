#pragma once

#include <string>

namespace lexabit {

// The texts of the five panels of the status bar, numbered from 1, left to right.
// Numbers are written as the game shows them: a blank before zero or a positive
// number, a minus sign in its place before a negative one.

// Panel 1: "Total Score: " and the score.
std::string TotalScorePanel(int totalScore);
// Panel 2: "Total Number of Words: " and the number of words found.
std::string WordCountPanel(int wordCount);
// Panel 3: "Total Playing Time: " and the playing time text.
std::string PlayingTimePanel(const std::string& playingTime);
// Panel 4: " Number of Cards Left: " (with its leading blank) and the count.
std::string CardsLeftPanel(int cardsLeft);
// Panel 5 on a timed level: "Word Timer: ", the whole minutes left, ":" and the
// seconds left in the running minute.
std::string WordTimerPanel(int minutesLeft, int secondsLeft);
// Panel 5 when the level has no word timer.
inline constexpr const char* TimerOffPanel = "Timer Off";

// The playing time as kept in PlayingTime: hours, minutes and seconds, each as a
// number text, joined by colons (" 1: 0: 5").
std::string PlayingTimeText(int hours, int minutes, int seconds);

} // namespace lexabit
