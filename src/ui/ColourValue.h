#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace lexabit {

// Colours as the game stores them: red in the low byte, then green, then blue; a value
// with the top bit set names a system colour.
QColor ToQColor(std::int32_t value);
std::int32_t ToColourValue(const QColor& colour);

// Gives a window or control this background colour, and black or white text, whichever
// reads better on it.
void PaintBackground(QWidget& widget, std::int32_t value);

// Black or white, whichever reads better on the background.
QColor TextColourOn(const QColor& background);

// Keeps the system's colours on a control whatever colour the window around it takes.
void KeepSystemColours(QWidget& widget);

} // namespace lexabit
