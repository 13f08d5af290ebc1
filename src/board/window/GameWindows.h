#pragma once

#include "records/EndOfGameFacts.h"

#include <QPointer>
#include <QString>
#include <cstdint>

class QWidget;

namespace lexabit {

class CardOptions;
class Cards;
class HelpViewer;
class LettersForm;
class LevelForm;
class OptionsHost;
class AboutWindow;
class Highscore;
class HighScoreForm;
class NameDialog;

// The board's secondary windows. Each is created the first time anything touches it
// and is never modal; a window that is being created already counts as existing, so
// the settings it re-reads while it loads do not create it twice.
class GameWindows {
public:
    GameWindows(QWidget& owner, OptionsHost& host, Cards& cardPics, Highscore& scores,
                EndOfGameFactsSource endOfGameFacts, QString programFolder);

    LettersForm& Letters();
    CardOptions& CardOptionsWindow();
    LevelForm& Level();
    AboutWindow& About();
    HelpViewer& Help();
    NameDialog& NameEntry();
    HighScoreForm& HighScores();
    // The high-score window when it is open, so that it can show a new result.
    HighScoreForm* OpenHighScores() const;
    // The level window when it exists, so that its Ok can be greyed.
    LevelForm* OpenLevel() const;

    // Colours the windows the settings name, in their order, creating any that is missing.
    void PaintBackgrounds(std::int32_t colour);

private:
    QWidget& owner_;
    OptionsHost& host_;
    Cards& cardPics_;
    Highscore& scores_;
    EndOfGameFactsSource endOfGameFacts_;
    QString programFolder_;
    int pickedStyle_ = 0; // the card options' last pick, kept while the program runs
    QPointer<LettersForm> letters_;
    QPointer<CardOptions> cardOptions_;
    QPointer<LevelForm> level_;
    QPointer<AboutWindow> about_;
    QPointer<HelpViewer> help_;
    QPointer<NameDialog> name_;
    QPointer<HighScoreForm> highScores_;
};

} // namespace lexabit
