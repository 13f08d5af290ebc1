#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lexabit {

// The most characters one stored text field keeps; longer texts are cut.
inline constexpr std::size_t MaxFieldCharacters = 255;

// Makes a text safe to keep as one line of a text file and to show in a list:
// the bytes are read as UTF-8, where a byte that does not form valid UTF-8 is taken
// as a Latin-1 character (older files were written in an 8-bit character set);
// line breaks and every other control character are removed; the result is cut to
// maxCharacters characters and returned as valid UTF-8.
std::string OneLineText(std::string_view raw, std::size_t maxCharacters = MaxFieldCharacters);

} // namespace lexabit
