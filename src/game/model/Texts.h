#pragma once

// Texts of the game: numbers as the game writes them, one-line texts safe to store,
// readable text colours, and the product's names and notices.

#include <cstddef>
#include <cstdint>
#include <filesystem>
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

// The most characters one stored text field keeps; longer texts are cut.
inline constexpr std::size_t MaxFieldCharacters = 255;

// Makes a text safe to keep as one line of a text file and to show in a list:
// the bytes are read as UTF-8, where a byte that does not form valid UTF-8 is taken
// as a Latin-1 character (older files were written in an 8-bit character set);
// line breaks and every other control character are removed; the result is cut to
// maxCharacters characters and returned as valid UTF-8.
std::string OneLineText(std::string_view raw, std::size_t maxCharacters = MaxFieldCharacters);

// A colour as three 8-bit channels.
struct Rgb {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};

// The contrast a reader needs for ordinary text (WCAG AA).
inline constexpr double ReadableContrast = 4.5;

// How bright the colour looks, from 0 (black) to 1 (white), as WCAG measures it.
double RelativeLuminance(Rgb colour);

// The contrast between two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb first, Rgb second);

// Black or white, whichever stands out more on the background. One of the two always
// reaches the readable contrast, whatever the background.
Rgb TextColourOn(Rgb background);

// Names, addresses and notices of the product, kept in one place.
namespace product {

// Title of the message boxes and of the printed page.
inline constexpr std::string_view Title = "Lexabit Solitaire";
// The short title of two messages (game over, empty name after Enter).
inline constexpr std::string_view ShortTitle = "Lexabit";
inline constexpr std::string_view NameAndVersion = "Lexabit Solitaire 1.0";
inline constexpr std::string_view Publisher = "Corvane Press";

inline constexpr std::string_view ContactEmail = "lexabit@corvanepress.example";
inline constexpr std::string_view PublisherNotice =
    "Lexabit Solitaire is written and published by Corvane Press.";
inline constexpr std::string_view LegalNotice =
    "Copyright (C) 2026 Corvane Press. This program is free software: you may share and "
    "change it under the GNU General Public License, version 3 or any later version. It "
    "comes with no warranty of any kind. The word list is made from SCOWL (Spell Checker "
    "Oriented Word Lists) by Kevin Atkinson and its contributors, used under its own "
    "licence, which ships beside the list as dictionary/COPYING-SCOWL.txt.";

// The help file and the product's web page, both in the HelpFiles folder beside
// the program; the web page is opened as a file address.
inline constexpr std::string_view HelpFolder = "HelpFiles";
inline constexpr std::string_view HelpFile = "Lexabit Solitaire.hlp";
inline constexpr std::string_view WebPageFile = "website.html";

inline std::filesystem::path HelpFilePath(const std::filesystem::path& programFolder) {
    return programFolder / HelpFolder / HelpFile;
}

inline std::filesystem::path WebPagePath(const std::filesystem::path& programFolder) {
    return programFolder / HelpFolder / WebPageFile;
}

} // namespace product

} // namespace lexabit
