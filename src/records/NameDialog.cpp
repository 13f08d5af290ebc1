#include "records/NameDialog.h"

#include "game/files/Highscore.h"
#include "game/model/Texts.h"
#include "records/PlayerMessage.h"
#include "ui/GameText.h"
#include "ui/LargeFont.h"
#include "ui/OptionsHost.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lexabit {

NameDialog::NameDialog(Highscore& scores, OptionsHost& host, EndOfGameFactsSource facts,
                       QWidget* parent)
    : QWidget(parent, Qt::Window), scores_(scores), host_(host), facts_(std::move(facts)) {
    setObjectName(QStringLiteral("Namefrm"));
    setWindowTitle(Text(product::Title));
    setAttribute(Qt::WA_DeleteOnClose);

    NameFrame = new QFrame(this);
    NameFrame->setObjectName(QStringLiteral("Shape1"));
    NameFrame->setFrameShape(QFrame::Box);
    NameLabel = new QLabel(QStringLiteral("Please Enter Your Name:"), NameFrame);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameText = new QLineEdit(NameFrame);
    NameText->setObjectName(QStringLiteral("NameText"));
    NameText->setFont(LargeBoldFont());
    NameText->setMaxLength(static_cast<int>(MaxFieldCharacters));
    NameText->setMinimumWidth(280);
    NameText->installEventFilter(this);
    connect(NameText, &QLineEdit::textChanged, this, &NameDialog::KeepNameOnOneLine);
    OkButton = new QPushButton(QStringLiteral("Ok"), NameFrame);
    OkButton->setObjectName(QStringLiteral("Command1"));
    // Enter belongs to the name box, which answers it with its own message title.
    OkButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &NameDialog::AcceptName);

    auto* inside = new QVBoxLayout(NameFrame);
    inside->addWidget(NameLabel);
    inside->addWidget(NameText);
    inside->addWidget(OkButton, 0, Qt::AlignHCenter);
    auto* outside = new QVBoxLayout(this);
    outside->addWidget(NameFrame);
    setFocusProxy(NameText);
}

void NameDialog::LoadOnOpen() {
    host_.LoadSettings();
}

void NameDialog::AcceptName() {
    ConfirmName(Text(product::Title));
}

bool NameDialog::NameText_KeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    ConfirmName(Text(product::ShortTitle));
    return true;
}

void NameDialog::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Answered(); // closed without a name: nothing is recorded
}

bool NameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == NameText && event->type() == QEvent::KeyPress) {
        return NameText_KeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    return QWidget::eventFilter(watched, event);
}

// Every time the dialog opens the typing goes into the name box, so Enter confirms, and
// the name from last time is selected: Enter keeps it, typing replaces it.
void NameDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    NameText->setFocus(Qt::OtherFocusReason);
    NameText->selectAll();
}

void NameDialog::ConfirmName(const QString& emptyNameTitle) {
    const QString name = NameText->text();
    if (name.isEmpty()) {
        ShowPlayerMessage(this, emptyNameTitle, QStringLiteral("Please enter your name."));
        return;
    }
    host_.EnterPlayerName(name);
    hide();
    RecordResult(RulesText(name));
    emit Answered();
    host_.NextGameAfterName();
}

void NameDialog::RecordResult(const std::string& name) {
    const EndOfGameFacts facts = facts_();
    const FinishedGame game{name, facts.PlayingTime, facts.WordCount, facts.GameLevel,
                            facts.Rating};
    const FileOutcome outcome = scores_.AddScore(facts.Score, game);
    if (!outcome.Ok) {
        // This dialog is hidden by now, so the message stands over the board.
        ShowPlayerMessage(parentWidget(), Text(product::Title), Text(outcome.Problem));
    }
}

// A name is one line of the high-score file: pasted line breaks and other control
// characters are taken out as soon as they arrive.
void NameDialog::KeepNameOnOneLine() {
    const QString typed = NameText->text();
    const QString oneLine = Text(OneLineText(RulesText(typed)));
    if (oneLine != typed) {
        const int cursor = NameText->cursorPosition();
        NameText->setText(oneLine);
        NameText->setCursorPosition(std::min(cursor, static_cast<int>(oneLine.size())));
    }
}

} // namespace lexabit
