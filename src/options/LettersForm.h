#pragma once

#include "game/model/Alphabet.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lexabit {

// The letters window: holds how many cards of each letter every deal uses.
// It keeps the counts only while it exists; closing it discards any edit.
class LettersForm : public QWidget {
    Q_OBJECT

public:
    explicit LettersForm(QWidget* parent = nullptr);

    // The 26 count fields, A to Z, as the player left them.
    LetterCountTexts CountTexts() const;

    void SaveCounts();  // "Save Changes": shows the total
    void CloseWindow(); // "Exit": closes the window and its counts

private:
    std::array<QLabel*, LetterCount> LetterLabels{};
    std::array<QLineEdit*, LetterCount> CountFields{};
    QLineEdit* TotalField = nullptr;
};

} // namespace lexabit
