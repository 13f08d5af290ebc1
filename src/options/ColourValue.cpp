#include "options/ColourValue.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace lexabit {

namespace {

// The system colours a stored value may name, by their number in the low byte.
QColor SystemColour(std::uint32_t number) {
    const QPalette palette = QApplication::palette();
    switch (number) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 15: // button face
        return palette.color(QPalette::Button);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

QColor ToQColor(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    if ((bits & 0x80000000U) != 0U) {
        return SystemColour(bits & 0xffU);
    }
    return {static_cast<int>(bits & 0xffU), static_cast<int>((bits >> 8U) & 0xffU),
            static_cast<int>((bits >> 16U) & 0xffU)};
}

std::int32_t ToColourValue(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rgb.red()) |
                                     (static_cast<std::uint32_t>(rgb.green()) << 8U) |
                                     (static_cast<std::uint32_t>(rgb.blue()) << 16U));
}

void PaintBackground(QWidget& widget, std::int32_t value) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(value));
    // Buttons fill their background from their own role, not the window's.
    palette.setColor(widget.backgroundRole(), ToQColor(value));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
    widget.update();
}

} // namespace lexabit
