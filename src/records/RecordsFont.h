#pragma once

#include <QFont>

namespace lexabit {

// The large bold type of the name box and the high-score list: Arial 14.25 point,
// or the machine's nearest sans-serif face.
QFont RecordsFont();

} // namespace lexabit
