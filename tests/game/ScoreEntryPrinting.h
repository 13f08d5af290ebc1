#pragma once

#include "game/files/ScoreFile.h"

#include <ostream>

namespace lexabit {

// Lets GoogleTest show an entry as its six texts when a comparison fails.
inline void PrintTo(const ScoreEntry& entry, std::ostream* out) {
    *out << '{' << '"' << entry.Name << "\", \"" << entry.Points << "\", \"" << entry.Time
         << "\", \"" << entry.Words << "\", \"" << entry.Difficulty << "\", \"" << entry.Rating
         << "\"}";
}

} // namespace lexabit
