#pragma once

#include <filesystem>
#include <string_view>

// Names, addresses and notices of the product, kept in one place.
namespace lexabit::product {

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

} // namespace lexabit::product
