#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/files/Highscore.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace lexabit;

// Two roads to the high-score table: every card used, and the word timer (End Game is
// played through in PlayFlow_test).
class EndOfGameTest : public QObject {
    Q_OBJECT

private:
    // A game of two cards, A and T, with AT laid: its check uses the last card.
    static void LayTheLastWord(GameBoard& board) {
        uitest::ShowAndDeal(board);
        uitest::UseOnlyLetters(board,
                               {{0, QStringLiteral("1")}, {19, QStringLiteral("1")}}); // A and T
        board.State().Level = 2;
        board.NewGame_Click();
        GameState& state = board.State();
        QCOMPARE(state.CardsTotal, 2);
        QVERIFY(uitest::CardOnColumn(state, 1) > 0 && uitest::CardOnColumn(state, 2) > 0);
        uitest::LayTwoLetterWord(board);
        QCOMPARE(state.WordCards.Count(), 2);
    }

private slots:
    void usingEveryCardEndsTheGameWithTheShowAndTheNameDialog() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(
            41, uitest::MakeProgramFolder(folder, uitest::AllTwoLetterWords())));
        LayTheLastWord(board);
        GameState& state = board.State();

        uitest::MessageAnswerer seen(QStringLiteral("Ada"));
        QList<bool> ticking; // whether the clocks still ran while the message showed
        seen.whileShown = [&] {
            ticking << board.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive();
        };
        board.CheckWordButton_Click();

        QCOMPARE(seen.titles, QStringList{QStringLiteral("Lexabit")});
        QCOMPARE(seen.texts,
                 QStringList{QStringLiteral("Game Over, you are a real Master of the game")});
        QCOMPARE(ticking, QList<bool>{false}); // no time-out can end it a second time
        QCOMPARE(state.PlayerName, std::string("Ada"));
        // The result is in the table: 2 points for AT and the bonus of 10 for using every card.
        Highscore scores(board.Scores().FilePath());
        QVERIFY(scores.GetScores().Ok);
        QCOMPARE(scores.Table().size(), std::size_t{1});
        QCOMPARE(scores.Table()[0].Name, std::string("Ada"));
        QCOMPARE(scores.Table()[0].Points, std::string(" 12"));
        QCOMPARE(scores.Table()[0].Rating, std::string("Master"));
        QCOMPARE(scores.Table()[0].Difficulty, std::string("Easy"));
        // A new game followed, with the controls shown again.
        QCOMPARE(state.TotalScore, 0);
        QVERIFY(board.Board().FigVisible() == false);
        QVERIFY(board.findChild<QTreeWidget*>(QStringLiteral("WordList"))->isVisible());
        QVERIFY(board.findChild<QPushButton*>(QStringLiteral("CheckWordButton"))->isVisible());
    }

    void closingTheNameDialogEndsTheWaitForAName() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(
            44, uitest::MakeProgramFolder(folder, uitest::AllTwoLetterWords())));
        LayTheLastWord(board);
        uitest::MessageAnswerer seen{QString()};
        // Should the wait go on, the board closes after a while, which ends it too.
        bool closedToEndTheWait = false;
        QTimer::singleShot(3000, &board, [&] {
            closedToEndTheWait = true;
            board.close();
        });
        board.CheckWordButton_Click();
        QVERIFY(!closedToEndTheWait);
        QVERIFY(board.State().PlayerName.empty());
        QVERIFY(board.Menus().NewGame->isEnabled());
        Highscore scores(board.Scores().FilePath());
        QVERIFY(scores.GetScores().Ok);
        QVERIFY(scores.Table().empty());
    }

    void theWordTimerRunningOutEndsTheGame() {
        QTemporaryDir folder;
        GameServices services = uitest::TestServices(43, uitest::MakeProgramFolder(folder, {}));
        auto* clock = static_cast<uitest::SettableClock*>(services.Time.get());
        GameBoard board(std::move(services));
        board.State().Level = 1;
        board.NewGame_Click();
        board.Timer2_Timer();
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("Panel5"))->text(),
                 QStringLiteral("Word Timer:  0: 60"));
        clock->now += std::chrono::seconds(60);
        uitest::MessageAnswerer seen(QStringLiteral("Cy"));
        board.Timer2_Timer();
        // The clocks stand still until the name starts a new game.
        QVERIFY(!board.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QCOMPARE(seen.texts,
                 QStringList{QStringLiteral("Your skill level is: Fair, You had 98 cards left")});
        QTRY_COMPARE(board.State().PlayerName, std::string("Cy"));
        QVERIFY(board.findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    }

    void aBoxOpenWhenTheTimerRunsOutLeavesTheKeysToTheNameDialog() {
        QTemporaryDir folder;
        GameServices services = uitest::TestServices(44, uitest::MakeProgramFolder(folder, {}));
        auto* clock = static_cast<uitest::SettableClock*>(services.Time.get());
        GameBoard board(std::move(services));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.State().Level = 1;
        board.NewGame_Click();
        board.Timer2_Timer();
        // Any message the player has not yet closed, as the one after printing.
        QMessageBox standing(QMessageBox::Information, QStringLiteral("Lexabit Solitaire"),
                             QStringLiteral("Saved."), QMessageBox::Ok, &board);
        // As an X11 window manager does, the box hands the keys back to the board it stood over.
        QObject::connect(&standing, &QDialog::finished, &board, [&] { board.activateWindow(); });
        QTimer::singleShot(5, [&] {
            clock->now += std::chrono::seconds(60);
            uitest::MessageAnswerer rating;
            board.Timer2_Timer();
            standing.accept();
        });
        standing.exec();
        auto* name = board.findChild<QWidget*>(QStringLiteral("Namefrm"));
        QVERIFY(name->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), name);
    }
};

LEXABIT_UI_TEST_MAIN(EndOfGameTest)
#include "EndOfGame_test.moc"
