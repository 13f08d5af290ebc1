#include "options/LevelForm.h"

#include "ui/LargeFont.h"
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

    EasyOption = new QRadioButton(QStringLiteral("Easy -- 3 Minutes/Word"), this);
    EasyOption->setObjectName(QStringLiteral("Option1"));
    HardOption = new QRadioButton(QStringLiteral("Hard --  1 Minute/Word"), this);
    HardOption->setObjectName(QStringLiteral("Option2"));
    VeryEasyOption = new QRadioButton(QStringLiteral("Very Easy --Timer Off"), this);
    VeryEasyOption->setObjectName(QStringLiteral("Option3"));
    const QFont font = LargeBoldFont();
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
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(OkButton, 0, Qt::AlignHCenter);
    connect(OkButton, &QPushButton::clicked, this, &LevelForm::ApplyLevel);
    // Tab walks the options in the order they stand, then reaches Ok.
    setTabOrder(VeryEasyOption, EasyOption);
    setTabOrder(EasyOption, HardOption);
    setTabOrder(HardOption, OkButton);
}

// As in any dialog: Enter presses Ok (where Ok may be pressed), Escape closes the window.
void LevelForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OkButton->click(); // a greyed Ok does nothing
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LevelForm::LoadOnOpen() {
    host_.LoadSettings();
    const Level level = host_.NextGameLevel();
    EasyOption->setChecked(level == Level::Easy);
    HardOption->setChecked(level == Level::Hard);
    VeryEasyOption->setChecked(level == Level::VeryEasy);
}

void LevelForm::ApplyLevel() {
    if (!host_.AcceptsGameCommands() || !host_.MayAbandonGame()) {
        return; // a game that is over, or a held card, comes first; a game kept stays as it is
    }
    Level level = host_.NextGameLevel();
    if (EasyOption->isChecked()) {
        level = Level::Easy;
    } else if (HardOption->isChecked()) {
        level = Level::Hard;
    } else if (VeryEasyOption->isChecked()) {
        level = Level::VeryEasy;
    }
    host_.ChooseLevel(level);
    host_.SetPanelText(5, QStringLiteral("Timer off"));
    host_.NewGame_Click();
    close();
}

void LevelForm::SetOkEnabled(bool enabled) {
    OkButton->setEnabled(enabled);
}

} // namespace lexabit
