#include "board/table/BoardView.h"
#include "board/window/GameBoard.h"
#include "board/window/GameWindows.h"
#include "board/window/WindowPlacement.h"
#include "game/model/Texts.h"
#include "game/motion/GameOverAnimation.h"
#include "game/play/WordCheck.h"
#include "game/scoring/ScoreTexts.h"
#include "records/HighScoreForm.h"
#include "records/NameDialog.h"
#include "ui/ClickableLabel.h"
#include "ui/GameText.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <array>

// The end of a game, by any of its three roads: the rating, the show, the name and the
// result it records.
namespace lexabit {

void GameBoard::EndGame_Click() {
    if (!TakesPlay() || !MayAbandonGame()) {
        return;
    }
    EndOnRequest(GameEnding::EndedByPlayer);
}

// A game given up, by End Game or when no word is left: no question, the game is over.
void GameBoard::EndOnRequest(GameEnding ending) {
    if (!TakesPlay()) {
        return;
    }
    EndTheGame();
    CountFinishedGame(ending);
    QMessageBox::information(this, Text(product::Title), Text(RatingMessage(state_)));
    ShowNameDialog();
}

void GameBoard::TickClocks() {
    const std::optional<ClockReading> reading = clocks_.Tick(state_);
    if (!reading) {
        return;
    }
    ShowClockReading(*reading);
    if (reading->TimedOut) {
        EndTheGame();
        CountFinishedGame(GameEnding::TimedOut);
        PutHeldCardBack();
        QMessageBox::information(this, Text(product::Title), Text(RatingMessage(state_)));
        ShowNameDialog();
    }
}

void GameBoard::ShowClockReading(const ClockReading& reading) {
    SetPanelText(3, Text(reading.PlayingTimePanel));
    if (reading.WordTimerPanel) {
        SetPanelText(5, Text(*reading.WordTimerPanel));
    }
}

void GameBoard::EndTheGame() {
    clockTimer_->stop();
    clocks_.Stop();
    result_ = EndOfGameFacts{state_.TotalScore, state_.Clocks.PlayingTime,
                             static_cast<int>(state_.WordsFound.size()), state_.GameLevel,
                             SkillLevel(state_)};
    state_.Phase = GamePhase::AwaitingName;
    UpdateCommandAvailability();
    CloseGameMessage();
    NoteMissedWords();
}

void GameBoard::EndWithAllCardsUsed() {
    AwardAllCardsUsed(state_);
    EndTheGame();
    CountFinishedGame(GameEnding::AllCardsUsed);
    QMessageBox::information(this, Text(WordCheckTexts::GameOverTitle),
                             Text(WordCheckTexts::GameOver));
    PlayGameOverShow();
    ShowNameDialog();
}

// The show runs over the bare table: the piles, the word list and the buttons beside it
// come back once it is over. The figure over the pack stays hidden: shown again it would
// cover the pack like a stray disc.
void GameBoard::PlayGameOverShow() {
    const std::array<QWidget*, 3> controls{controls_.CheckWordButton, controls_.WordList,
                                           controls_.ShuffleCards};
    state_.Piles = {false, false};
    board_->SetFigVisible(false);
    for (QWidget* control : controls) {
        control->hide();
    }
    lexabit::PlayGameOverAnimation(state_, [this] {
        board_->repaint();
        // One frame for each refresh of the display, the window handling events between;
        // once the window is closing the rest of the show runs out unseen.
        if (services_.Wait && !closing_) {
            QEventLoop frame;
            QTimer::singleShot(16, Qt::PreciseTimer, &frame, &QEventLoop::quit);
            frame.exec();
        }
    });
    state_.Piles = {true, true};
    for (QWidget* control : controls) {
        control->show();
    }
    board_->update();
}

void GameBoard::ShowNameDialog() {
    if (closing_) {
        return; // no window outlives the board
    }
    NameDialog& dialog = windows_->NameEntry();
    connect(&dialog, &NameDialog::Answered, this, &GameBoard::NameDialogAnswered,
            Qt::UniqueConnection);
    ShowOverBoard(dialog, *this);
    // A message the player had open when the game ended hands the keys back to the board
    // as it closes; they belong to the name dialog, which is waiting.
    if (auto* standing = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        connect(
            standing, &QDialog::finished, &dialog,
            [&dialog] {
                QTimer::singleShot(0, &dialog, [&dialog] {
                    if (dialog.isVisible()) {
                        dialog.raise();
                        dialog.activateWindow();
                    }
                });
            },
            Qt::SingleShotConnection);
    }
}

void GameBoard::EnterPlayerName(const QString& name) {
    state_.PlayerName = RulesText(name);
}

void GameBoard::NameDialogAnswered() {
    // A name given starts the next game next; a dialog closed without one declines to give
    // it, and the game stays over: nothing moves until the player starts a new one.
    if (state_.Phase == GamePhase::AwaitingName) {
        state_.Phase = GamePhase::Ended;
    }
    UpdateCommandAvailability();
    // Once the new game is dealt, or at once when the dialog was closed without a name.
    QTimer::singleShot(0, this, &GameBoard::ShowMissedWords);
}

void GameBoard::Highscore_Click() {
    HighScoreForm& table = windows_->HighScores();
    ShowOverBoard(table, *this);
    table.ShowScores();
}

} // namespace lexabit
