#include "game/model/Texts.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

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

namespace {

struct DecodedCharacter {
    char32_t codePoint;
    std::size_t length;
};

// Decodes one well-formed UTF-8 sequence at the start of text, or nothing when the
// bytes there are not one (overlong forms, surrogates and values past U+10FFFF included).
std::optional<DecodedCharacter> DecodeUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return DecodedCharacter{lead, 1};
    }
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate) {
        return std::nullopt;
    }
    return DecodedCharacter{codePoint, length};
}

bool BreaksOrControls(char32_t c) {
    const bool c0 = c < 0x20 || c == 0x7F;
    const bool c1 = c >= 0x80 && c <= 0x9F;
    const bool lineOrParagraphSeparator = c == 0x2028 || c == 0x2029;
    return c0 || c1 || lineOrParagraphSeparator;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string OneLineText(std::string_view raw, std::size_t maxCharacters) {
    std::string out;
    std::size_t kept = 0;
    std::size_t at = 0;
    while (at < raw.size() && kept < maxCharacters) {
        const auto decoded = DecodeUtf8(raw.substr(at));
        const char32_t c = decoded ? decoded->codePoint : static_cast<unsigned char>(raw[at]);
        at += decoded ? decoded->length : 1;
        if (BreaksOrControls(c)) {
            continue;
        }
        AppendUtf8(out, c);
        ++kept;
    }
    return out;
}

namespace {

// A channel of an sRGB colour turned into linear light.
double LinearChannel(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(Rgb colour) {
    return 0.2126 * LinearChannel(colour.Red) + 0.7152 * LinearChannel(colour.Green) +
           0.0722 * LinearChannel(colour.Blue);
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb TextColourOn(Rgb background) {
    return ContrastRatio(background, Black) >= ContrastRatio(background, White) ? Black : White;
}

} // namespace lexabit
