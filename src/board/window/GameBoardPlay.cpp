// The main window's play: the cards under the mouse, the commands the game takes in each of
// its phases, the pause, undo, shuffle and the word check.
#include "board/table/BoardControls.h"
#include "board/table/BoardEffects.h"
#include "board/table/BoardView.h"
#include "board/window/GameBoard.h"
#include "board/window/GameWindows.h"
#include "game/motion/Shuffle.h"
#include "game/play/CardDrop.h"
#include "game/play/CardPickup.h"
#include "game/play/Deal.h"
#include "game/play/UndoLastMove.h"
#include "game/play/WordCheck.h"
#include "game/scoring/ScoreTexts.h"
#include "options/LevelForm.h"
#include "records/StatusPanels.h"
#include "ui/ClickableLabel.h"
#include "ui/GameText.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>

namespace lexabit {

void GameBoard::Card_MouseDown(int index, double x, double y) {
    UpdateCommandAvailability();
    if (state_.Phase != GamePhase::Playing) {
        return; // the game is over: its cards stay as they are until the next game
    }
    lexabit::Card_MouseDown(state_, *effects_, index, x, y);
}

void GameBoard::Card_MouseMove(int index, double x, double y) {
    lexabit::Card_MouseMove(state_, *effects_, index, x, y);
}

void GameBoard::Card_MouseUp(int index) {
    UpdateCommandAvailability();
    if (state_.Phase != GamePhase::Playing) {
        return;
    }
    lexabit::Card_MouseUp(state_, *effects_, index);
    FitBoardToWord();
}

void GameBoard::PutHeldCardBack() {
    const std::optional<int> held = board_->CapturedCard();
    board_->ForgetCapturedCard();
    state_.Keys.Held.reset();
    UpdateCommandAvailability();
    if (!held || !state_.Drag.Active || !state_.CardExists(*held)) {
        return;
    }
    // A last move of the pointer that brings the held card, and the part of the word
    // that came with it, back to where it was picked up.
    const CardRecord& card = state_.Card(*held);
    lexabit::Card_MouseMove(state_, *effects_, *held,
                            state_.Drag.GrabX + state_.Drag.StartLeft - card.Left,
                            state_.Drag.GrabY + state_.Drag.StartTop - card.Top);
    state_.Drag.Active = false;
    board_->repaint();
}

bool GameBoard::AcceptsGameCommands() const {
    // A new game may follow a game in play or one that has ended without a name.
    const bool between = state_.Phase == GamePhase::Playing || state_.Phase == GamePhase::Ended;
    return between && !board_->CapturedCard() && !closing_;
}

bool GameBoard::TakesPlay() const {
    return state_.Phase == GamePhase::Playing && !board_->CapturedCard() && !closing_;
}

void GameBoard::UpdateCommandAvailability() {
    menus_.NewGame->setEnabled(AcceptsGameCommands());
    UpdateDealCommands();
    const bool play = TakesPlay();
    for (QAction* command : {menus_.Undo, menus_.ShuffleSurface, menus_.EndGame, menus_.Hint}) {
        command->setEnabled(play);
    }
    const bool paused = state_.Phase == GamePhase::Paused;
    menus_.Pause->setEnabled(play || paused);
    menus_.Pause->setChecked(paused);
    // The controls on the board are greyed only while a finished game waits for its
    // name or has ended without one, not at every drag.
    const bool live = state_.Phase == GamePhase::Playing;
    controls_.CheckWordButton->setEnabled(live);
    controls_.ShuffleCards->setEnabled(live);
    if (LevelForm* level = windows_->OpenLevel()) {
        level->SetOkEnabled(live || state_.Phase == GamePhase::Ended);
    }
}

void GameBoard::Pause_Click() {
    if (state_.Phase == GamePhase::Paused) {
        ResumeGame();
    } else {
        PauseGame();
    }
}

void GameBoard::PauseGame() {
    if (TakesPlay()) {
        state_.Phase = GamePhase::Paused;
        clocks_.Pause();
        pauseCover_->Cover(controls_.StatusBar->height(), board_->Scale().Factor());
    }
    UpdateCommandAvailability();
}

void GameBoard::ResumeGame() {
    if (state_.Phase != GamePhase::Paused) {
        return;
    }
    state_.Phase = GamePhase::Playing;
    pausedWhileMinimised_ = false;
    clocks_.Resume(state_);
    pauseCover_->hide();
    board_->setFocus(Qt::OtherFocusReason);
    UpdateCommandAvailability();
}

void GameBoard::Undo_Click() {
    if (!TakesPlay()) {
        return;
    }
    UndoLastMove(state_, *effects_);
    ShowGame();
    FitBoardToWord();
}

void GameBoard::ShuffleSurface() {
    if (!TakesPlay()) {
        return;
    }
    lexabit::ShuffleSurface(state_, *effects_, *services_.Random);
}

void GameBoard::CheckWordButton_Click() {
    if (!TakesPlay()) {
        return;
    }
    WordCheck check(state_, dict_, *effects_, *services_.Time,
                    [](GameState& state, Effects& effects) { FillEmptyColumns(state, effects); });
    // The check has changed the game and returned; what follows plays from here.
    const WordCheckOutcome checked = check.Check();
    ShowGame();
    switch (checked.Outcome) {
    case WordCheckOutcome::Result::Refused:
        QMessageBox::information(this, Text(checked.Title), Text(checked.Message));
        return;
    case WordCheckOutcome::Result::Accepted:
        WriteCountPanels();
        ShowHintCost(); // what the hints took off the score, if anything
        FitBoardToWord();
        AskIfStuck();
        return;
    case WordCheckOutcome::Result::AllCardsUsed:
        WriteCountPanels();
        ShowHintCost();
        EndWithAllCardsUsed();
        return;
    }
}

} // namespace lexabit
