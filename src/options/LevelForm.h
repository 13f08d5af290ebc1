#pragma once

#include <QWidget>

class QPushButton;
class QRadioButton;

namespace lexabit {

class GameState;
class OptionsHost;

// The level window: Hard, Easy or Very Easy; choosing one starts a new game.
class LevelForm : public QWidget {
    Q_OBJECT

public:
    LevelForm(GameState& state, OptionsHost& host, QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();

    // The three option buttons, for colouring.
    QList<QRadioButton*> Options() const { return {Option3, Option1, Option2}; }

private:
    GameState& state_;
    OptionsHost& host_;
    QRadioButton* Option1 = nullptr; // Easy, level 2
    QRadioButton* Option2 = nullptr; // Hard, level 1
    QRadioButton* Option3 = nullptr; // Very Easy, level 3
    QPushButton* Command1 = nullptr;
};

} // namespace lexabit
