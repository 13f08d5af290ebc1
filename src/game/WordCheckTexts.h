#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lexabit {

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

} // namespace lexabit
