// The main window's settings and its Options and Help commands.
#include "board/table/BoardView.h"
#include "board/window/CardOptions.h"
#include "board/window/GameBoard.h"
#include "board/window/GameWindows.h"
#include "board/window/WindowPlacement.h"
#include "game/model/Texts.h"
#include "options/AboutWindow.h"
#include "options/HelpViewer.h"
#include "options/LettersForm.h"
#include "options/LevelForm.h"
#include "options/WebPage.h"
#include "records/StatusPanels.h"
#include "ui/ColourValue.h"
#include "ui/GameText.h"

#include <QColorDialog>
#include <QFile>
#include <QMessageBox>

namespace lexabit {

void GameBoard::ShowPackBack() {
    // A style outside the nine shows no picture on the pack.
    board_->SetPackPicture(state_.CardStyle);
}

void GameBoard::SetPanelText(int panel, const QString& text) {
    controls_.StatusBar->SetPanelText(panel, text);
}

const LetterCountTexts& GameBoard::NextDealLetters() const {
    return state_.NextDealLetters;
}

void GameBoard::SetNextDealLetters(const LetterCountTexts& counts) {
    state_.NextDealLetters = counts;
}

void GameBoard::ShowLettersWindow() {
    ShowOverBoard(windows_->Letters(), *this);
}

void GameBoard::CardsOptions_Click() {
    CardOptions& options = windows_->CardOptionsWindow();
    // The window is made at start-up to take the board's colour, before the first deal
    // puts a back on the pack; opening it previews the back the pack shows now. An open
    // window keeps the player's pick.
    if (!options.isVisible()) {
        options.PreviewPackBack();
    }
    ShowOverBoard(options, *this);
}

void GameBoard::Level_Click() {
    ShowOverBoard(windows_->Level(), *this);
    UpdateCommandAvailability();
}

void GameBoard::ShowAbout() {
    ShowOverBoard(windows_->About(), *this);
}

void GameBoard::Contents_Click() {
    HelpViewer& help = windows_->Help();
    const auto file = product::HelpFilePath(services_.Folder->TextPath());
    if (help.Open(QFile::decodeName(file.c_str()))) {
        ShowOverBoard(help, *this);
    }
}

void GameBoard::Website_Click() {
    OpenWebPage(QFile::decodeName(services_.Folder->TextPath().c_str()));
}

void GameBoard::Exit_Click() {
    close();
}

void GameBoard::LoadSettings() {
    ApplySettings(settingsFile_.Load().Values);
}

void GameBoard::ApplySettings(const SettingsValues& values) {
    // The running game keeps its level, its word timer and its card back; what the file
    // says begins with the next game.
    storedLevel_ = values.GameLevel;
    storedCardStyle_ = values.CardStyle;
    PaintBoardBackground(values.BackgroundColor);
    windows_->PaintBackgrounds(values.BackgroundColor);
}

Level GameBoard::NextGameLevel() const {
    return storedLevel_.value_or(state_.GameLevel);
}

void GameBoard::ChooseLevel(Level level) {
    // The game left for another level counts on the level it was played on.
    if (state_.Phase == GamePhase::Playing && level != state_.GameLevel) {
        CountFinishedGame(GameEnding::Abandoned);
    }
    storedLevel_.reset();
    state_.GameLevel = level;
}

void GameBoard::ChooseCardStyle(std::int16_t style) {
    storedCardStyle_.reset();
    state_.CardStyle = style;
}

std::optional<int> GameBoard::PackBack() const {
    return board_->PackPicture();
}

void GameBoard::ShowBackOnPiles(std::optional<int> style) {
    board_->SetPackPicture(style);
}

void GameBoard::PaintBoardBackground(std::int32_t colour) {
    // The stored value is kept as it is, so a system colour is written back unchanged.
    backgroundColor_ = colour;
    // The menu bar and the status bar keep the system's colours (set once at creation).
    PaintBackground(*this, colour);
    PaintBackground(*board_, colour);
}

void GameBoard::SaveSettings() {
    // What the next game would start with: a level or card back set aside by a re-read
    // is the stored one, so the file keeps it.
    const FileOutcome written = settingsFile_.Save(
        {backgroundColor_, storedCardStyle_.value_or(state_.CardStyle), NextGameLevel()});
    if (!written.Ok) {
        QMessageBox::warning(this, Text(product::Title), Text(written.Problem));
    }
}

void GameBoard::BgOptions_Click() {
    LoadSettings();
    const QColor start = board_->palette().color(QPalette::Window);
    const QColor chosen = QColorDialog::getColor(start, this);
    // Cancelling repaints everything in the colour the dialog started from.
    const std::int32_t colour = chosen.isValid() ? ToColourValue(chosen) : backgroundColor_;
    PaintBoardBackground(colour);
    windows_->PaintBackgrounds(colour);
    SaveSettings();
}

} // namespace lexabit
