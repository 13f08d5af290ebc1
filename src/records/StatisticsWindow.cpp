#include "records/StatisticsWindow.h"

#include "game/files/ScoreFile.h"
#include "game/model/Texts.h"
#include "game/scoring/ScoreTexts.h"
#include "records/PlayerMessage.h"
#include "ui/GameText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <functional>

namespace lexabit {

namespace {

constexpr int MinimumTableWidth = 560;
constexpr std::array<Level, 3> Columns = {Level::Hard, Level::Easy, Level::VeryEasy};

QString Count(long long value) {
    return QString::number(value);
}

QString Duration(long long seconds) {
    constexpr long long perMinute = 60;
    constexpr long long perHour = 3600;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / perHour)
        .arg(seconds % perHour / perMinute, 2, 10, QLatin1Char('0'))
        .arg(seconds % perMinute, 2, 10, QLatin1Char('0'));
}

// A row of the table: its caption and what each level's column shows.
struct StatisticsRow {
    QString Caption;
    std::function<QString(const LevelStatistics&)> Value;
};

const std::vector<StatisticsRow>& Rows() {
    static const std::vector<StatisticsRow> rows = {
        {QStringLiteral("Games played"), [](const auto& s) { return Count(s.Played); }},
        {QStringLiteral("Pack used up"), [](const auto& s) { return Count(s.PackUsedUp); }},
        {QStringLiteral("Average score"),
         [](const auto& s) {
             const auto average = s.AverageScore();
             return average ? QString::number(*average, 'f', 1) : QString();
         }},
        {QStringLiteral("Best score"),
         [](const auto& s) { return s.Scored > 0 ? Count(s.BestScore) : QString(); }},
        {QStringLiteral("Best word"),
         [](const auto& s) {
             return s.BestWord.empty() ? QString()
                                       : QStringLiteral("%1 (%2 points)")
                                             .arg(Text(s.BestWord))
                                             .arg(s.BestWordPoints);
         }},
        {QStringLiteral("Longest word"), [](const auto& s) { return Text(s.LongestWord); }},
        {QStringLiteral("Words laid"), [](const auto& s) { return Count(s.WordsLaid); }},
        {QStringLiteral("Playing time"), [](const auto& s) { return Duration(s.PlayingSeconds); }},
        {QStringLiteral("Current run of %1 or more").arg(RunScore),
         [](const auto& s) { return Count(s.CurrentRun); }},
        {QStringLiteral("Best run of %1 or more").arg(RunScore),
         [](const auto& s) { return Count(s.BestRun); }},
        {QStringLiteral("Replayed deals"), [](const auto& s) { return Count(s.Replayed); }},
    };
    return rows;
}

} // namespace

StatisticsWindow::StatisticsWindow(StatisticsFile file, QWidget* parent)
    // A dialog window stays above the board it belongs to; it is not modal.
    : QWidget(parent, Qt::Dialog), file_(std::move(file)) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(Text(product::Title) + QStringLiteral(" Statistics"));

    StatisticsTable = new QTableWidget(static_cast<int>(Rows().size()), 3, this);
    StatisticsTable->setObjectName(QStringLiteral("StatisticsTable"));
    QStringList levels;
    for (const Level level : Columns) {
        levels << Text(DifficultyText(level));
    }
    StatisticsTable->setHorizontalHeaderLabels(levels);
    QStringList captions;
    for (const StatisticsRow& row : Rows()) {
        captions << row.Caption;
    }
    StatisticsTable->setVerticalHeaderLabels(captions);
    StatisticsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StatisticsTable->setSelectionMode(QAbstractItemView::NoSelection);
    StatisticsTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StatisticsTable->setFocusPolicy(Qt::NoFocus);
    // The whole table shows, with no scroll bar and no empty rows below it.
    StatisticsTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    StatisticsTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StatisticsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StatisticsTable->setMinimumWidth(MinimumTableWidth);

    ResetButton = new QPushButton(QStringLiteral("Reset"), this);
    ResetButton->setObjectName(QStringLiteral("ResetButton"));
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName(QStringLiteral("OkButton"));
    OkButton->setDefault(true);
    connect(ResetButton, &QPushButton::clicked, this, &StatisticsWindow::AskToReset);
    connect(OkButton, &QPushButton::clicked, this, &QWidget::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ResetButton);
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StatisticsTable);
    layout->addLayout(buttons);
}

void StatisticsWindow::ShowStatistics() {
    const StatisticsRead read = file_.Load();
    Fill(read.Statistics);
    if (!read.Outcome.Ok) {
        ShowPlayerMessage(this, Text(product::Title), Text(read.Outcome.Problem));
    }
}

void StatisticsWindow::Fill(const GameStatistics& statistics) {
    for (int column = 0; column < static_cast<int>(Columns.size()); ++column) {
        const LevelStatistics& level = statistics.For(Columns[static_cast<std::size_t>(column)]);
        for (int row = 0; row < static_cast<int>(Rows().size()); ++row) {
            auto* item = new QTableWidgetItem(Rows()[static_cast<std::size_t>(row)].Value(level));
            item->setTextAlignment(Qt::AlignCenter);
            StatisticsTable->setItem(row, column, item);
        }
    }
}

void StatisticsWindow::AskToReset() {
    QMessageBox question(QMessageBox::Question, Text(product::Title),
                         QStringLiteral("Reset the statistics of every level? This cannot be "
                                        "undone."),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes) {
        return;
    }
    if (const FileOutcome reset = file_.Reset(); !reset.Ok) {
        ShowPlayerMessage(this, Text(product::Title),
                          QStringLiteral("The statistics could not be reset. ") +
                              Text(reset.Problem));
        return;
    }
    Fill(GameStatistics{});
}

} // namespace lexabit
