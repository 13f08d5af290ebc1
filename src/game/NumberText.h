#pragma once

#include <string>
#include <string_view>

namespace lexabit {

// Rounds to the nearest whole number, halves to the even neighbour.
long long RoundHalfEven(double value);

// A number as the game shows it: a blank before it when it is zero or positive,
// a minus sign in that place when it is negative (" 98", "-3").
std::string NumberText(long long value);

// Reads a decimal number from the beginning of a text, the way the letter count
// fields are read: leading blanks, a sign, digits, a fraction. Text that does not
// start with a number reads as 0.
double LeadingNumber(std::string_view text);

} // namespace lexabit
