#include "records/HighScoreForm.h"

#include "game/files/Highscore.h"
#include "game/model/Texts.h"
#include "records/PlayerMessage.h"
#include "ui/GameText.h"
#include "ui/LargeFont.h"
#include "ui/OptionsHost.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <array>

namespace lexabit {

namespace {

struct ScoreColumn {
    int Width; // pixels
    Qt::Alignment Alignment;
};

// Name, Points, Time, Words, Difficulty, Rating.
constexpr std::array<ScoreColumn, 6> ScoreColumns{{
    {100, Qt::AlignLeft | Qt::AlignVCenter},
    {75, Qt::AlignHCenter | Qt::AlignVCenter},
    {100, Qt::AlignLeft | Qt::AlignVCenter},
    {80, Qt::AlignHCenter | Qt::AlignVCenter},
    {130, Qt::AlignHCenter | Qt::AlignVCenter},
    {110, Qt::AlignLeft | Qt::AlignVCenter},
}};

constexpr QRect ListPlace{8, 8, 600, 425};
constexpr QSize ButtonSize{100, 30};

QStringList RowTexts(const ScoreEntry& entry) {
    QStringList texts;
    for (const std::string* field : {&entry.Name, &entry.Points, &entry.Time, &entry.Words,
                                     &entry.Difficulty, &entry.Rating}) {
        texts << Text(*field);
    }
    return texts;
}

} // namespace

HighScoreForm::HighScoreForm(Highscore& scores, OptionsHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), scores_(scores), host_(host) {
    setObjectName(QStringLiteral("HighScoreForm"));
    setWindowTitle(QStringLiteral("Lexabit Solitaire High Score"));
    setAttribute(Qt::WA_DeleteOnClose);
    BuildList();

    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("Command1"));
    const int gap = ListPlace.top();
    OkButton->setGeometry(
        QRect(QPoint(ListPlace.center().x() - ButtonSize.width() / 2, ListPlace.bottom() + 1 + gap),
              ButtonSize));
    connect(OkButton, &QPushButton::clicked, this, &HighScoreForm::PutAway);
    LevelShown = new QComboBox(this);
    LevelShown->setObjectName(QStringLiteral("LevelShown"));
    LevelShown->setAccessibleName(QStringLiteral("Results shown"));
    LevelShown->addItem(QStringLiteral("All levels"));
    for (const Level level : {Level::Hard, Level::Easy, Level::VeryEasy}) {
        LevelShown->addItem(Text(DifficultyText(level)), StoredLevelNumber(level));
    }
    LevelShown->setGeometry(QRect(QPoint(ListPlace.left(), OkButton->y()),
                                  QSize(ListPlace.width() / 4, ButtonSize.height())));
    connect(LevelShown, &QComboBox::currentIndexChanged, this, &HighScoreForm::FillList);
    // Escape puts the table away as its Ok button does, wherever the focus is in it.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &HighScoreForm::PutAway);
    setFixedSize(ListPlace.right() + 1 + gap, OkButton->geometry().bottom() + 1 + gap);
}

void HighScoreForm::BuildList() {
    HighScoreList = new QTreeWidget(this);
    HighScoreList->setObjectName(QStringLiteral("HighScoreList"));
    HighScoreList->setGeometry(ListPlace);
    HighScoreList->setRootIsDecorated(false);
    HighScoreList->setFont(LargeBoldFont());
    // The table comes best first from the game; sorting the texts here would put
    // 1234 points below 999.
    HighScoreList->setSortingEnabled(false);
    HighScoreList->header()->setSectionsClickable(false);
    HighScoreList->header()->setStretchLastSection(false);
    HighScoreList->setColumnCount(static_cast<int>(ScoreColumns.size()));
    QPalette palette = HighScoreList->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192)); // light yellow
    palette.setColor(QPalette::Text, Qt::black);
    HighScoreList->setPalette(palette);

    auto* header = new QTreeWidgetItem;
    for (int column = 0; column < static_cast<int>(ScoreColumns.size()); ++column) {
        header->setText(column, QString::fromLatin1(ScoreColumnCaptions[column]));
        header->setTextAlignment(column, ScoreColumns[column].Alignment);
        HighScoreList->setColumnWidth(column, ScoreColumns[column].Width);
    }
    HighScoreList->setHeaderItem(header);
}

void HighScoreForm::LoadOnOpen() {
    host_.LoadSettings();
    FillList();
}

void HighScoreForm::ShowScores() {
    const FileOutcome loaded = scores_.GetScores();
    FillList();
    show();
    raise();
    activateWindow();
    if (!loaded.Ok) {
        ShowPlayerMessage(this, Text(product::Title), Text(loaded.Problem));
    }
}

void HighScoreForm::FillList() {
    HighScoreList->clear();
    const std::optional<Level> level = LevelFromStoredNumber(LevelShown->currentData().toInt());
    for (const ScoreEntry& entry : scores_.Table()) {
        if (level && entry.Difficulty != DifficultyText(*level)) {
            continue;
        }
        auto* row = new QTreeWidgetItem(HighScoreList, RowTexts(entry));
        for (int column = 0; column < static_cast<int>(ScoreColumns.size()); ++column) {
            row->setTextAlignment(column, ScoreColumns[column].Alignment);
        }
    }
}

void HighScoreForm::PutAway() {
    hide();
}

} // namespace lexabit
