#pragma once

#include "game/model/Alphabet.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lexabit {

class OptionsHost;

// The letters window: shows and edits how many cards of each letter every deal uses, as
// the game keeps them. Closing it discards any edit: the usual counts come back.
class LettersForm : public QWidget {
    Q_OBJECT

public:
    explicit LettersForm(OptionsHost& host, QWidget* parent = nullptr);

    void SaveCounts();  // "Save Changes": shows the total
    void CloseWindow(); // "Exit": closes the window and its counts

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    LetterCountTexts CountTexts() const;

    OptionsHost& host_;
    std::array<QLabel*, LetterCount> LetterLabels{};
    std::array<QLineEdit*, LetterCount> CountFields{};
    QLineEdit* TotalField = nullptr;
};

} // namespace lexabit
