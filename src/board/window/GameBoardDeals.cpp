#include "board/window/GameBoard.h"
#include "board/window/WindowPlacement.h"
#include "game/model/Texts.h"
#include "game/play/Deal.h"
#include "game/play/NumberedDeal.h"
#include "records/StatisticsWindow.h"
#include "records/StatusPanels.h"
#include "ui/GameText.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

// Numbered deals, played again or restarted, and the statistics every finished game is
// counted in, whatever road it ended by.
namespace lexabit {

namespace {

// Puts a new command into the menu straight after the command given.
QAction* AddCommandAfter(QAction* before, const char* name, const QString& caption) {
    auto* menu = qobject_cast<QMenu*>(before->parent());
    const QList<QAction*> actions = menu->actions();
    const auto at = actions.indexOf(before) + 1;
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->insertAction(at < actions.size() ? actions.at(at) : nullptr, action);
    return action;
}

} // namespace

void GameBoard::CreateDealCommands() {
    deals_.PlayDealNumber =
        AddCommandAfter(menus_.NewGame, "PlayDealNumber", QStringLiteral("Play Deal Number..."));
    deals_.RestartDeal =
        AddCommandAfter(deals_.PlayDealNumber, "RestartDeal", QStringLiteral("Restart This Deal"));
    deals_.Statistics = AddCommandAfter(menus_.Level, "Statistics", QStringLiteral("Statistics"));
    connect(deals_.PlayDealNumber, &QAction::triggered, this, &GameBoard::PlayDealNumber_Click);
    connect(deals_.RestartDeal, &QAction::triggered, this, &GameBoard::RestartDeal_Click);
    connect(deals_.Statistics, &QAction::triggered, this, &GameBoard::Statistics_Click);
    deals_.Panel = new QLabel(controls_.StatusBar);
    deals_.Panel->setObjectName(QStringLiteral("DealPanel"));
    deals_.Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    deals_.Panel->setTextFormat(Qt::PlainText);
    deals_.Panel->setToolTip(
        QStringLiteral("The number of this deal: File > Play Deal Number deals it again."));
    controls_.StatusBar->addPermanentWidget(deals_.Panel);
}

void GameBoard::DealNextGame(const LetterCountValues& counts) {
    DealNumberedCards(state_, counts, *services_.Random, deals_.Requested);
    deals_.Requested.reset();
    deals_.Restarting = false;
    deals_.Counted = false;
    deals_.Panel->setText(Text(DealPanelText(state_)));
}

void GameBoard::StartDeal(std::uint32_t number) {
    if (AcceptsGameCommands()) {
        deals_.Requested = number;
        NewGame_Click();
    }
    // The deal took them, or no new game started.
    deals_.Requested.reset();
    deals_.Restarting = false;
}

void GameBoard::PlayDealNumber_Click() {
    if (!AcceptsGameCommands()) {
        return;
    }
    auto* dialog = new QInputDialog(this);
    dialog->setObjectName(QStringLiteral("DealNumberDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(Text(product::Title));
    dialog->setLabelText(
        QStringLiteral("Deal number (%1 to %2):").arg(LowestDealNumber).arg(HighestDealNumber));
    dialog->setInputMode(QInputDialog::IntInput);
    dialog->setIntRange(static_cast<int>(LowestDealNumber), static_cast<int>(HighestDealNumber));
    dialog->setIntValue(static_cast<int>(state_.Deal.Number));
    connect(dialog, &QInputDialog::intValueSelected, this,
            [this](int number) { StartDeal(static_cast<std::uint32_t>(number)); });
    ShowOverBoard(*dialog, *this);
}

void GameBoard::RestartDeal_Click() {
    deals_.Restarting = true;
    StartDeal(state_.Deal.Number);
}

void GameBoard::Statistics_Click() {
    if (statisticsWindow_ == nullptr) {
        statisticsWindow_ = new StatisticsWindow(statistics_, this);
    }
    ShowOverBoard(*statisticsWindow_, *this);
    statisticsWindow_->ShowStatistics();
}

void GameBoard::CountFinishedGame(GameEnding ending) {
    if (deals_.Counted) {
        return;
    }
    deals_.Counted = true;
    CountInStatistics(SummariseFinishedGame(state_, ending, services_.Time->Now()));
}

void GameBoard::CountInStatistics(const FinishedGameSummary& game) {
    const StatisticsRead counted = statistics_.Record(game);
    if (statisticsWindow_ != nullptr && statisticsWindow_->isVisible()) {
        statisticsWindow_->Fill(counted.Statistics);
    }
    // No message holds up a closing game: the file is left as it was.
    if (!closing_) {
        ReportFileProblem(counted.Outcome.Problem);
    }
}

void GameBoard::UpdateDealCommands() {
    deals_.PlayDealNumber->setEnabled(AcceptsGameCommands());
    deals_.RestartDeal->setEnabled(AcceptsGameCommands());
}

} // namespace lexabit
