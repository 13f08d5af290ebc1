#pragma once

#include <QString>

class QWidget;

namespace lexabit {

// Tells the player something in a message box with one OK button and waits for it.
void ShowPlayerMessage(QWidget* parent, const QString& title, const QString& text);

} // namespace lexabit
