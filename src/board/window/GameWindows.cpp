#include "board/window/GameWindows.h"

#include "board/window/CardOptions.h"
#include "options/AboutWindow.h"
#include "options/HelpViewer.h"
#include "options/LettersForm.h"
#include "options/LevelForm.h"
#include "records/HighScoreForm.h"
#include "records/NameDialog.h"
#include "ui/ColourValue.h"

#include <QLabel>
#include <QRadioButton>

namespace lexabit {

GameWindows::GameWindows(QWidget& owner, OptionsHost& host, Cards& cardPics, Highscore& scores,
                         EndOfGameFactsSource endOfGameFacts, QString programFolder)
    : owner_(owner), host_(host), cardPics_(cardPics), scores_(scores),
      endOfGameFacts_(std::move(endOfGameFacts)), programFolder_(std::move(programFolder)) {}

LettersForm& GameWindows::Letters() {
    if (letters_.isNull()) {
        letters_ = new LettersForm(host_, &owner_);
    }
    return *letters_;
}

CardOptions& GameWindows::CardOptionsWindow() {
    if (cardOptions_.isNull()) {
        cardOptions_ = new CardOptions(cardPics_, pickedStyle_, host_, &owner_);
        cardOptions_->LoadOnOpen();
    }
    return *cardOptions_;
}

LevelForm& GameWindows::Level() {
    if (level_.isNull()) {
        level_ = new LevelForm(host_, &owner_);
        level_->LoadOnOpen();
    }
    return *level_;
}

AboutWindow& GameWindows::About() {
    if (about_.isNull()) {
        about_ = new AboutWindow(host_, programFolder_, &owner_);
        about_->LoadOnOpen();
    }
    return *about_;
}

HelpViewer& GameWindows::Help() {
    if (help_.isNull()) {
        help_ = new HelpViewer(&owner_);
    }
    return *help_;
}

NameDialog& GameWindows::NameEntry() {
    if (name_.isNull()) {
        name_ = new NameDialog(scores_, host_, endOfGameFacts_, &owner_);
        name_->LoadOnOpen();
    }
    return *name_;
}

HighScoreForm& GameWindows::HighScores() {
    if (highScores_.isNull()) {
        highScores_ = new HighScoreForm(scores_, host_, &owner_);
        highScores_->LoadOnOpen();
    }
    return *highScores_;
}

HighScoreForm* GameWindows::OpenHighScores() const {
    return highScores_.data();
}

LevelForm* GameWindows::OpenLevel() const {
    return level_.data();
}

void GameWindows::PaintBackgrounds(std::int32_t colour) {
    PaintBackground(About(), colour);
    for (QLabel* label : About().Labels()) {
        PaintBackground(*label, colour);
    }
    PaintBackground(CardOptionsWindow(), colour);
    PaintBackground(Level(), colour);
    for (QRadioButton* option : Level().Options()) {
        PaintBackground(*option, colour);
    }
    PaintBackground(NameEntry(), colour);
    PaintBackground(HighScores(), colour);
}

} // namespace lexabit
