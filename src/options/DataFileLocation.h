#pragma once

#include <QString>
#include <cstddef>

namespace lexabit {

// Where a file the game writes lives: beside the program while that folder can be
// written, otherwise (the game installed for every user) in the player's own data
// folder, which starts from a copy of the file shipped beside the program. Only an ordinary
// file of at most maxBytes is copied; without one the player's file starts missing, and the
// game starts from its usual values as it does for a damaged file.
QString WritableDataFile(const QString& programFolder, const QString& relativePath,
                         std::size_t maxBytes);

} // namespace lexabit
