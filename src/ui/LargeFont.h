#pragma once

#include <QFont>

namespace lexabit {

// The large bold type of the name box, the high-score and missed-word lists and the
// level options: Arial 14.25 point, or the machine's nearest sans-serif face.
QFont LargeBoldFont();

} // namespace lexabit
