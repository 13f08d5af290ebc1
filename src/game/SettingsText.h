#pragma once

#include "game/SettingsValues.h"

#include <string>
#include <string_view>

namespace lexabit {

// The settings file's text: three lines, each a number with a blank before and
// after it (a minus sign in place of the first blank when negative), each line
// ended by carriage return and line feed.
std::string FormatSettings(const SettingsValues& values);

struct ParsedSettings {
    SettingsValues Values;
    // False when at least one value was missing, not a number or out of range and
    // took its default instead.
    bool Complete = false;
};

// Reads the three lines back. Blanks around a number are ignored, and so are
// line ends of a lone line feed. A line that is missing, is not a whole number,
// or holds a value the game cannot use leaves that value at its default.
ParsedSettings ParseSettings(std::string_view text);

} // namespace lexabit
