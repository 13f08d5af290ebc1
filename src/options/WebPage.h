#pragma once

#include <QString>

namespace lexabit {

// Asks the desktop to open the product's web page, shipped beside the program, in the
// player's browser. What the browser makes of it is not looked at.
void OpenWebPage(const QString& programFolder);

} // namespace lexabit
