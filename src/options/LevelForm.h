#pragma once

#include <QWidget>

class QKeyEvent;
class QPushButton;
class QRadioButton;

namespace lexabit {

class OptionsHost;

// The level window: Hard, Easy or Very Easy; choosing one starts a new game.
class LevelForm : public QWidget {
    Q_OBJECT

public:
    explicit LevelForm(OptionsHost& host, QWidget* parent = nullptr);

    void LoadOnOpen();
    void ApplyLevel();
    // Greyed while the board takes no command that changes the game.
    void SetOkEnabled(bool enabled);

    // The three option buttons, for colouring.
    QList<QRadioButton*> Options() const { return {VeryEasyOption, EasyOption, HardOption}; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    OptionsHost& host_;
    QRadioButton* EasyOption = nullptr;
    QRadioButton* HardOption = nullptr;
    QRadioButton* VeryEasyOption = nullptr;
    QPushButton* OkButton = nullptr;
};

} // namespace lexabit
