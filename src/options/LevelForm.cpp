#include "options/LevelForm.h"

#include "ui/OptionsHost.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lexabit {

LevelForm::LevelForm(OptionsHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {
    setObjectName(QStringLiteral("LevelForm"));
    setWindowTitle(QStringLiteral("Lexabit Solitaire Difficulty Level"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);

    Option1 = new QRadioButton(QStringLiteral("Easy -- 3 Minutes/Word"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("Hard --  1 Minute/Word"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option3 = new QRadioButton(QStringLiteral("Very Easy --Timer Off"), this);
    Option3->setObjectName(QStringLiteral("Option3"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    auto* layout = new QVBoxLayout(this);
    for (QRadioButton* option : Options()) {
        option->setFont(font);
        option->setAutoFillBackground(true);
        layout->addWidget(option);
    }
    // The options exclude each other by hand, so that none is selected for a level
    // outside 1..3, which an exclusive group would not allow.
    for (QRadioButton* option : Options()) {
        option->setAutoExclusive(false);
        connect(option, &QRadioButton::clicked, this, [this, option] {
            for (QRadioButton* other : Options()) {
                other->setChecked(other == option);
            }
        });
    }
    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    connect(Command1, &QPushButton::clicked, this, &LevelForm::Command1_Click);
    // Tab walks the options in the order they stand, then reaches Ok.
    setTabOrder(Option3, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Command1);
}

// As in any dialog: Enter presses Ok (where Ok may be pressed), Escape closes the window.
void LevelForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Command1->click(); // a greyed Ok does nothing
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LevelForm::Form_Load() {
    host_.LoadSettings();
    const std::int16_t level = host_.NextGameLevel();
    Option1->setChecked(level == 2);
    Option2->setChecked(level == 1);
    Option3->setChecked(level == 3);
}

void LevelForm::Command1_Click() {
    if (!host_.AcceptsGameCommands()) {
        return; // a game that is over, or a held card, comes first
    }
    std::int16_t level = host_.NextGameLevel();
    if (Option1->isChecked()) {
        level = 2;
    } else if (Option2->isChecked()) {
        level = 1;
    } else if (Option3->isChecked()) {
        level = 3;
    }
    host_.ChooseLevel(level);
    host_.SetPanelText(5, QStringLiteral("Timer off"));
    host_.NewGame_Click();
    close();
}

void LevelForm::SetOkEnabled(bool enabled) {
    Command1->setEnabled(enabled);
}

} // namespace lexabit
