#pragma once

#include <cstdint>
#include <optional>

namespace lexabit {

// How hard a game is. The numbers are the ones the settings file keeps.
enum class Level : std::int16_t {
    Hard = 1,     // a minute per word, and each word leaves its last card on the table
    Easy = 2,     // three minutes per word, and a bonus for using every card
    VeryEasy = 3, // no word timer, and hints cost nothing
};

// The number the settings file keeps for a level.
constexpr std::int16_t StoredLevelNumber(Level level) {
    return static_cast<std::int16_t>(level);
}

// The level a stored number names; nothing for any number but 1, 2 or 3.
constexpr std::optional<Level> LevelFromStoredNumber(long long number) {
    if (number < StoredLevelNumber(Level::Hard) || number > StoredLevelNumber(Level::VeryEasy)) {
        return std::nullopt;
    }
    return static_cast<Level>(number);
}

} // namespace lexabit
