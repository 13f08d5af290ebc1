#pragma once

#include <QColor>
#include <cstdint>

class QWidget;

namespace lexabit {

// Colours as the game stores them: red in the low byte, then green, then blue; a value
// with the top bit set names a system colour.
QColor ToQColor(std::int32_t value);
std::int32_t ToColourValue(const QColor& colour);

// Gives a window or control this background colour.
void PaintBackground(QWidget& widget, std::int32_t value);

} // namespace lexabit
