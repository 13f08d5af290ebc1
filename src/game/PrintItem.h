#pragma once

#include <string>
#include <variant>
#include <vector>

namespace lexabit {

// A number on the printed page: a blank before it for the sign (a minus sign when
// negative) and one blank after it.
struct PrintNumber {
    long long Value = 0;
    friend bool operator==(const PrintNumber&, const PrintNumber&) = default;
};

// A text, printed as it is.
struct PrintText {
    std::string Text;
    friend bool operator==(const PrintText&, const PrintText&) = default;
};

// Moves the print position to character column n of the line (column 1 is the
// left edge); when the line is already past it, to that column of the next line.
struct ColumnStop {
    int Column = 1;
    friend bool operator==(const ColumnStop&, const ColumnStop&) = default;
};

using PrintItem = std::variant<PrintNumber, PrintText, ColumnStop>;
// One printed line's worth of items; printing it ends with a new line.
using PrintItemList = std::vector<PrintItem>;

} // namespace lexabit
