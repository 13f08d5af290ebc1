#pragma once

#include <QString>

namespace lexabit {

// Where a file the game writes lives: beside the program while that folder can be
// written, otherwise (the game installed for every user) in the player's own data
// folder, which starts from the copy shipped beside the program.
QString WritableDataFile(const QString& programFolder, const QString& relativePath);

} // namespace lexabit
