// The main window's words beyond play: the hint, the stuck game and the words missed.
#include "board/table/BoardView.h"
#include "board/window/GameBoard.h"
#include "board/window/GameWindows.h"
#include "board/window/WindowPlacement.h"
#include "game/model/Texts.h"
#include "game/words/WordsOnTable.h"
#include "records/MissedWordsWindow.h"
#include "records/StatusPanels.h"
#include "ui/ColourValue.h"
#include "ui/GameText.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace lexabit {

namespace {

constexpr std::chrono::milliseconds HintShowing{2000};
constexpr int GapBesideBoard = 8;

// To the right of the main window where the screen has room, else to its left, else
// over its right edge.
QPoint BesideBoard(const QWidget& window, const QWidget& board) {
    const QRect frame = board.frameGeometry();
    const QScreen* screen =
        board.screen() != nullptr ? board.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : frame;
    const int width = window.frameGeometry().width();
    int left = frame.right() + GapBesideBoard;
    if (left + width > room.right()) {
        left = frame.left() - GapBesideBoard - width;
        if (left < room.left()) {
            left = room.right() - width;
        }
    }
    return {left, std::max(frame.top(), room.top())};
}

} // namespace

void GameBoard::Hint_Click() {
    if (!TakesPlay()) {
        return; // a card is held or the game is ending
    }
    const HintSearch search = FindHint(state_, dict_);
    if (!search.Problem.empty()) {
        QMessageBox::warning(this, Text(product::Title), Text(search.Problem));
        return;
    }
    if (!search.Found) {
        QMessageBox none(QMessageBox::Information, Text(product::Title),
                         QStringLiteral("No word can be laid from the cards on the table."),
                         QMessageBox::Ok, this);
        AskAboutThisGame(none);
        return;
    }
    ChargeForHint(state_, *search.Found);
    ShowHintCost();
    state_.HintedCards = search.Found->Cards;
    board_->update();
    hintTimer_->start(HintShowing);
}

void GameBoard::ClearHint() {
    hintTimer_->stop();
    state_.HintedCards.clear();
    board_->update();
    ShowHintCost(); // a new game has nothing to say of hints
}

void GameBoard::ShowHintCost() {
    // Briefly, the points the hints take off, with a minus sign.
    const int cost =
        state_.HintsCharged.empty() ? state_.HintCostTaken.value_or(0) : state_.HintCost;
    controls_.StatusBar->SetHintNotice(Text(HintCostNotice(state_)),
                                       QStringLiteral("Hints: %1").arg(-cost));
}

void GameBoard::AskIfStuck() {
    if (closing_ || !StuckPositionToAskAbout(state_, dict_)) {
        return;
    }
    QMessageBox question(QMessageBox::Question, Text(product::Title),
                         QStringLiteral("No more words can be laid. End the game?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    // A game that ends while the question stands closes it with No.
    if (AskAboutThisGame(question) == QMessageBox::Yes) {
        EndOnRequest(GameEnding::Stuck);
    }
}

int GameBoard::AskAboutThisGame(QMessageBox& message) {
    openGameMessage_ = &message;
    const int answer = message.exec();
    openGameMessage_ = nullptr;
    return answer;
}

void GameBoard::CloseGameMessage() {
    // A question about a game that has just ended would stand over the name dialog and
    // take the keys meant for it.
    if (openGameMessage_ != nullptr) {
        openGameMessage_->done(QMessageBox::No);
    }
}

void GameBoard::NoteMissedWords() {
    if (!missedWordsChoice_.ShowAfterEveryGame()) {
        missedWordsAtEnd_.reset();
        return;
    }
    // The cards of this moment: once the name is confirmed, a new game is dealt.
    missedWordsAtEnd_ = lexabit::MissedWords(state_, dict_);
}

MissedWordsWindow* GameBoard::OpenMissedWords() const {
    return missedWordsWindow_;
}

void GameBoard::ShowMissedWords() {
    if (closing_ || !missedWordsAtEnd_) {
        return;
    }
    if (missedWordsWindow_ == nullptr) {
        missedWordsWindow_ = new MissedWordsWindow(missedWordsChoice_, this);
        missedWordsWindow_->setMinimumWidth(TitleBarWidth(missedWordsWindow_->windowTitle()));
        PaintBackground(*missedWordsWindow_, backgroundColor_);
    }
    missedWordsWindow_->ShowWords(*missedWordsAtEnd_);
    missedWordsAtEnd_.reset();
    if (!missedWordsWindow_->isVisible()) {
        missedWordsWindow_->adjustSize();
        missedWordsWindow_->move(BesideBoard(*missedWordsWindow_, *this));
    }
    missedWordsWindow_->show();
    missedWordsWindow_->raise();
    missedWordsWindow_->activateWindow();
}

} // namespace lexabit
