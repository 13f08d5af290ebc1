#include "ui/ColourValue.h"

#include "game/model/Texts.h"

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

QColor TextColourOn(const QColor& background) {
    const QColor rgb = background.toRgb();
    const Rgb text = TextColourOn(Rgb{static_cast<std::uint8_t>(rgb.red()),
                                      static_cast<std::uint8_t>(rgb.green()),
                                      static_cast<std::uint8_t>(rgb.blue())});
    return {text.Red, text.Green, text.Blue};
}

void PaintBackground(QWidget& widget, std::int32_t value) {
    const QColor background = ToQColor(value);
    const QColor text = TextColourOn(background);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    // Buttons fill their background from their own role, not the window's.
    palette.setColor(widget.backgroundRole(), background);
    // Every text drawn on the colour is black or white, whichever reads better on it.
    // A button of the window keeps its own face and the text that goes with it.
    const QPalette::ColorRole textRole =
        widget.backgroundRole() == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText;
    palette.setColor(QPalette::Active, textRole, text);
    palette.setColor(QPalette::Inactive, textRole, text);
    // Greyed-out text stays a step back from the ordinary text, on the same side.
    palette.setColor(QPalette::Disabled, textRole,
                     QColor((text.red() + background.red()) / 2,
                            (text.green() + background.green()) / 2,
                            (text.blue() + background.blue()) / 2));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
    widget.update();
}

void KeepSystemColours(QWidget& widget) {
    const QPalette system = QApplication::palette(&widget);
    QPalette own;
    // Each role set on its own, so that none is taken from the window around it.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (r != QPalette::NoRole) {
                own.setColor(g, r, system.color(g, r));
            }
        }
    }
    widget.setPalette(own);
}

} // namespace lexabit
