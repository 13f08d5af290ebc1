#pragma once

#include <QIcon>

namespace lexabit {

// The game's icon at every size drawn from the logo, built into the program: set as the
// application's window icon, every window of the game shows it.
QIcon ProgramIcon();

} // namespace lexabit
