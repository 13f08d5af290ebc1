#include "records/MissedWordsWindow.h"

#include "game/model/Texts.h"
#include "records/PlayerMessage.h"
#include "ui/GameText.h"
#include "ui/LargeFont.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lexabit {

namespace {

constexpr int WordColumnWidth = 170;
constexpr int PointsColumnWidth = 80;
constexpr int ListHeight = 330;

} // namespace

MissedWordsWindow::MissedWordsWindow(MissedWordsChoice choice, QWidget* parent)
    // A dialog window stays above the board it belongs to; it is not modal.
    : QWidget(parent, Qt::Dialog), choice_(std::move(choice)) {
    setObjectName(QStringLiteral("MissedWordsWindow"));
    setWindowTitle(QStringLiteral("Words You Missed"));
    setAttribute(Qt::WA_DeleteOnClose);

    MissedWordsHeading = new QLabel(this);
    MissedWordsHeading->setObjectName(QStringLiteral("MissedWordsHeading"));
    MissedWordsHeading->setWordWrap(true);

    MissedWordsList = new QTreeWidget(this);
    MissedWordsList->setObjectName(QStringLiteral("MissedWordsList"));
    MissedWordsList->setHeaderLabels({QStringLiteral("Words"), QStringLiteral("Points")});
    MissedWordsList->setRootIsDecorated(false);
    MissedWordsList->setSelectionMode(QAbstractItemView::NoSelection);
    MissedWordsList->setFocusPolicy(Qt::NoFocus);
    MissedWordsList->setFont(LargeBoldFont());
    MissedWordsList->header()->setStretchLastSection(false);
    MissedWordsList->setColumnWidth(0, WordColumnWidth);
    MissedWordsList->setColumnWidth(1, PointsColumnWidth);
    MissedWordsList->setFixedSize(WordColumnWidth + PointsColumnWidth + 4, ListHeight);

    ShowAfterEveryGame = new QCheckBox(QStringLiteral("Show after every game"), this);
    ShowAfterEveryGame->setObjectName(QStringLiteral("ShowAfterEveryGame"));
    ShowAfterEveryGame->setChecked(choice_.ShowAfterEveryGame());
    connect(ShowAfterEveryGame, &QCheckBox::toggled, this, &MissedWordsWindow::RememberChoice);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MissedWordsHeading);
    layout->addWidget(MissedWordsList);
    layout->addWidget(ShowAfterEveryGame);
}

void MissedWordsWindow::ShowWords(const WordSearch& search) {
    MissedWordsList->clear();
    for (const FoundWord& found : search.Words) {
        auto* row = new QTreeWidgetItem(MissedWordsList);
        row->setText(0, Text(found.Word));
        row->setText(1, Text(NumberText(found.Points)));
        row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    MissedWordsList->setVisible(!search.Words.empty());
    if (!search.Problem.empty()) {
        MissedWordsHeading->setText(Text(search.Problem));
    } else if (search.Words.empty()) {
        MissedWordsHeading->setText(QStringLiteral("No word could be laid from the cards left"));
    } else {
        MissedWordsHeading->setText(QStringLiteral("Words you could have laid:"));
    }
    adjustSize();
}

void MissedWordsWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Closed();
}

void MissedWordsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MissedWordsWindow::RememberChoice(bool showAfterEveryGame) {
    const FileOutcome written = choice_.Save(showAfterEveryGame);
    if (!written.Ok) {
        ShowPlayerMessage(this, Text(product::Title), Text(written.Problem));
    }
}

} // namespace lexabit
