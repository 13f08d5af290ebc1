// The main window's game that waits for its player: the question before a game with words in
// it is abandoned, the game kept at Exit and offered at the next start, and the next deal
// that waits while the player reads the words missed.
#include "board/table/BoardView.h"
#include "board/window/GameBoard.h"
#include "game/files/AtomicFileWrite.h"
#include "game/model/GameStatistics.h"
#include "game/model/Texts.h"
#include "game/play/NumberedDeal.h"
#include "game/scoring/ScoreTexts.h"
#include "records/MissedWordsWindow.h"
#include "ui/GameText.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

namespace lexabit {

namespace {

// A temporary file of a save this old belongs to no save still under way.
constexpr auto LeftoverKeepAge = std::chrono::minutes(10);

QString PathText(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

} // namespace

void GameBoard::AddAbandonQuestionSwitch() {
    auto* options = menuBar()->findChild<QMenu*>(QStringLiteral("Options"));
    askBeforeAbandoning_ = options->addAction(QStringLiteral("Ask Before Abandoning a Game"));
    askBeforeAbandoning_->setObjectName(QStringLiteral("AskBeforeAbandoning"));
    askBeforeAbandoning_->setCheckable(true);
    askBeforeAbandoning_->setChecked(abandonQuestion_.AskFirst());
    connect(askBeforeAbandoning_, &QAction::toggled, this, [this](bool ask) {
        const FileOutcome written = abandonQuestion_.Save(ask);
        if (!written.Ok) {
            QMessageBox::warning(this, Text(product::Title), Text(written.Problem));
        }
    });
}

bool GameBoard::MayAbandonGame() {
    // A game over, or one with no word yet, has nothing to lose.
    const bool wordsToLose =
        (state_.Phase == GamePhase::Playing || state_.Phase == GamePhase::Paused) &&
        !state_.WordsFound.empty();
    if (abandonAgreed_ || !wordsToLose || !askBeforeAbandoning_->isChecked()) {
        return true;
    }
    QMessageBox question(QMessageBox::Question, Text(product::Title),
                         QStringLiteral("Abandon this game?"), QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setDefaultButton(QMessageBox::No);
    auto* dontAsk = new QCheckBox(QStringLiteral("Don't ask again"));
    dontAsk->setObjectName(QStringLiteral("DontAskAgain"));
    question.setCheckBox(dontAsk);
    // A game that ends while the question stands (its word timer) closes it with No.
    abandonAgreed_ = AskAboutThisGame(question) == QMessageBox::Yes;
    if (dontAsk->isChecked()) {
        askBeforeAbandoning_->setChecked(false); // remembered in its file
    }
    return abandonAgreed_;
}

void GameBoard::ReadGameLeft() {
    RemoveStaleTemporaryFiles(keptGameFile_.Path(), LeftoverKeepAge);
    gameLeftReadAt_ = services_.Time->Now();
    gameLeft_ = keptGameFile_.Read(gameLeftReadAt_);
}

bool GameBoard::ResumeGameLeft() {
    if (!gameLeft_) {
        return false;
    }
    KeptGameRead left = std::move(*gameLeft_);
    gameLeft_.reset();
    if (!left.Game) {
        // Never removed unread: the player, or a newer game, may still want it.
        const std::optional<std::filesystem::path> aside = keptGameFile_.SetAside();
        const QString where =
            aside ? QStringLiteral("It has been set aside as %1.").arg(PathText(*aside))
                  : QStringLiteral("It stays as it is: %1.").arg(PathText(keptGameFile_.Path()));
        QMessageBox::warning(this, Text(product::Title),
                             QStringLiteral("The game you left could not be resumed: %1. %2 A "
                                            "new game starts.")
                                 .arg(Text(left.Problem), where));
        return false;
    }
    QMessageBox question(QMessageBox::Question, Text(product::Title),
                         QStringLiteral("Resume the game you left?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    const bool resume = question.exec() == QMessageBox::Yes;
    keptGameFile_.Forget();
    if (!resume) {
        // Declined: counted as abandoned, its clocks as they stood when it was read.
        CountInStatistics(
            SummariseFinishedGame(*left.Game, GameEnding::Abandoned, gameLeftReadAt_));
        return false;
    }
    TakeUpGameLeft(std::move(*left.Game));
    return true;
}

void GameBoard::TakeUpGameLeft(GameState kept) {
    // The clocks go on from where they stood when the file was read, not counting the
    // question's time.
    const auto asked = services_.Time->Now() - gameLeftReadAt_;
    kept.Clocks.MinuteStart += asked;
    kept.Clocks.WordTimerStart += asked;
    TakeUpKeptGame(state_, std::move(kept));
    deals_.Counted = false; // the resumed game is counted when it ends
    deals_.Panel->setText(Text(DealPanelText(state_)));
    clocks_.Start();
    clockTimer_->start();
    if (const std::optional<ClockReading> reading = clocks_.Tick(state_)) {
        ShowClockReading(*reading);
    }
    WriteCountPanels();
    ShowHintCost();
    FitToBoardSize(); // the columns move to this window's size
    UpdateCommandAvailability();
    ShowGame();
}

bool GameBoard::KeepGameOnExit() {
    const bool inProgress =
        (state_.Phase == GamePhase::Playing || state_.Phase == GamePhase::Paused) &&
        !state_.WordsFound.empty();
    if (!inProgress) {
        return true; // an ended game, or a deal with no word yet, is not kept
    }
    PutHeldCardBack();
    // The clocks of a paused game stand at the pause: counted to there, the pause is not.
    const bool paused = state_.Phase == GamePhase::Paused;
    clocks_.Resume(state_);
    const FileOutcome kept = keptGameFile_.Keep(state_, services_.Time->Now());
    if (paused) {
        clocks_.Pause();
    }
    if (kept.Ok) {
        deals_.Counted = true; // kept, not abandoned: counted when it ends, or is declined
        return true;
    }
    QMessageBox::warning(this, Text(product::Title), Text(kept.Problem));
    // The game cannot wait for the player: leaving now abandons it.
    return MayAbandonGame();
}

void GameBoard::NextGameAfterName() {
    if (closing_ || !missedWordsAtEnd_) {
        NewGame_Click(); // no words missed to show: the next game at once
        return;
    }
    // The words missed show over the ended table; the next deal waits for the player.
    ShowMissedWords();
    dealAfterMissedWords_ = true;
    connect(missedWordsWindow_, &MissedWordsWindow::Closed, this, &GameBoard::DealAfterMissedWords,
            Qt::UniqueConnection);
}

// The words missed belong to the table that goes when the next game is dealt.
void GameBoard::CloseMissedWordsOfEndedTable() {
    dealAfterMissedWords_ = false;
    if (missedWordsWindow_ != nullptr) {
        missedWordsWindow_->close();
    }
}

void GameBoard::DealAfterMissedWords() {
    if (dealAfterMissedWords_) {
        dealAfterMissedWords_ = false;
        // Dealt once the window has gone, not inside its close.
        QTimer::singleShot(0, this, &GameBoard::NewGame_Click);
    }
}

} // namespace lexabit
