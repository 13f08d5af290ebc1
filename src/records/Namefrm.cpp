#include "records/Namefrm.h"

#include "game/files/Highscore.h"
#include "game/model/GameState.h"
#include "game/model/Texts.h"
#include "records/PlayerMessage.h"
#include "records/RecordsFont.h"
#include "ui/GameText.h"
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

Namefrm::Namefrm(GameState& state, Highscore& scores, OptionsHost& host, EndOfGameFactsSource facts,
                 QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), scores_(scores), host_(host),
      facts_(std::move(facts)) {
    setObjectName(QStringLiteral("Namefrm"));
    setWindowTitle(Text(product::Title));
    setAttribute(Qt::WA_DeleteOnClose);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    NameLabel = new QLabel(QStringLiteral("Please Enter Your Name:"), Shape1);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    NameText = new QLineEdit(Shape1);
    NameText->setObjectName(QStringLiteral("NameText"));
    NameText->setFont(RecordsFont());
    NameText->setMaxLength(static_cast<int>(MaxFieldCharacters));
    NameText->setMinimumWidth(280);
    NameText->installEventFilter(this);
    connect(NameText, &QLineEdit::textChanged, this, &Namefrm::KeepNameOnOneLine);
    Command1 = new QPushButton(QStringLiteral("Ok"), Shape1);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Enter belongs to the name box, which answers it with its own message title.
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Namefrm::Command1_Click);

    auto* inside = new QVBoxLayout(Shape1);
    inside->addWidget(NameLabel);
    inside->addWidget(NameText);
    inside->addWidget(Command1, 0, Qt::AlignHCenter);
    auto* outside = new QVBoxLayout(this);
    outside->addWidget(Shape1);
    setFocusProxy(NameText);
}

void Namefrm::Form_Load() {
    host_.LoadSettings();
}

void Namefrm::Command1_Click() {
    ConfirmName(Text(product::Title));
}

bool Namefrm::NameText_KeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    ConfirmName(Text(product::ShortTitle));
    return true;
}

void Namefrm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Answered(); // closed without a name: nothing is recorded
}

bool Namefrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == NameText && event->type() == QEvent::KeyPress) {
        return NameText_KeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    return QWidget::eventFilter(watched, event);
}

// Every time the dialog opens the typing goes into the name box, so Enter confirms, and
// the name from last time is selected: Enter keeps it, typing replaces it.
void Namefrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    NameText->setFocus(Qt::OtherFocusReason);
    NameText->selectAll();
}

void Namefrm::ConfirmName(const QString& emptyNameTitle) {
    const QString name = NameText->text();
    if (name.isEmpty()) {
        ShowPlayerMessage(this, emptyNameTitle, QStringLiteral("Please enter your name."));
        return;
    }
    state_.PlayerName = name.toStdString();
    hide();
    RecordResult();
    emit Answered();
    host_.NewGame_Click();
}

void Namefrm::RecordResult() {
    const EndOfGameFacts facts = facts_();
    const FinishedGame game{state_.PlayerName, facts.PlayingTime, facts.WordCount, facts.Level,
                            facts.Rating};
    const FileOutcome outcome = scores_.AddScore(facts.Score, game);
    if (!outcome.Ok) {
        // This dialog is hidden by now, so the message stands over the board.
        ShowPlayerMessage(parentWidget(), Text(product::Title), Text(outcome.Problem));
    }
}

// A name is one line of the high-score file: pasted line breaks and other control
// characters are taken out as soon as they arrive.
void Namefrm::KeepNameOnOneLine() {
    const QString typed = NameText->text();
    const QString oneLine = Text(OneLineText(typed.toStdString()));
    if (oneLine != typed) {
        const int cursor = NameText->cursorPosition();
        NameText->setText(oneLine);
        NameText->setCursorPosition(std::min(cursor, static_cast<int>(oneLine.size())));
    }
}

} // namespace lexabit
