#include "game/NumberText.h"

#include <cctype>
#include <cmath>

namespace lexabit {

long long RoundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

std::string NumberText(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

double LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    double sign = 1;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        sign = text[at] == '-' ? -1 : 1;
        ++at;
    }
    double value = 0;
    bool anyDigit = false;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
        value = value * 10 + (text[at] - '0');
        anyDigit = true;
    }
    if (at < text.size() && text[at] == '.') {
        double scale = 0.1;
        for (++at; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0;
             ++at) {
            value += (text[at] - '0') * scale;
            scale /= 10;
            anyDigit = true;
        }
    }
    return anyDigit ? sign * value : 0.0;
}

} // namespace lexabit
