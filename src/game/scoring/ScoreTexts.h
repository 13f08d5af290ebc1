#pragma once

// The texts of scoring: the word check's messages, the status bar's panels and the
// player's rating at the end of a game.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lexabit {

class GameState;

// The messages of the word check and the titles of their message boxes.
struct WordCheckTexts {
    static constexpr std::string_view Title = "Lexabit Solitaire";
    static constexpr std::string_view GameOverTitle = "Lexabit";
    static constexpr std::string_view NotInDictionary =
        "That word is not in our dictionary.  Please try again.";
    static constexpr std::string_view GameOver = "Game Over, you are a real Master of the game";

    // Told instead of a verdict when the word list cannot be read.
    static std::string WordListUnreadable(const std::filesystem::path& wordList) {
        return "The word list " + wordList.string() +
               " cannot be read, so no word can be checked.  Please reinstall the game.";
    }
};

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
