#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lexabit {

// A text of the game (kept as UTF-8 by the rules) as the windows show it.
inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A text typed or shown in a window as the rules keep it.
inline std::string RulesText(const QString& text) {
    return text.toStdString();
}

// A card's letter as the windows show it; a card without one shows nothing.
inline QString LetterText(char letter) {
    return letter == '\0' ? QString() : QString(QChar::fromLatin1(letter));
}

} // namespace lexabit
