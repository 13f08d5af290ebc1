#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/Alphabet.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace lexabit;

// Plays a word the way a player does, against a small word list beside a copy of the
// program: two cards dragged together, then the CheckWord button.
class WordCheckTest : public QObject {
    Q_OBJECT

private:
    static QString Panel(GameBoard& board, int n) {
        return board.findChild<QLabel*>(QStringLiteral("Panel%1").arg(n))->text();
    }

    // Answers the next message box and hands back its title and text.
    static void AnswerNextMessage(QString* title, QString* text) {
        QTimer::singleShot(0, [title, text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                *title = box->windowTitle();
                *text = box->text();
                box->accept();
            }
        });
    }

    // Lays the cards of columns 1 and 2 into a word and gives its two cards.
    static std::pair<int, int> LayTwoLetterWord(GameBoard& board) {
        const GameState& state = board.State();
        const int first = uitest::CardOnColumn(state, 1);
        const int second = uitest::CardOnColumn(state, 2);
        uitest::DragCard(board, second,
                         QPoint(static_cast<int>(state.Card(first).Left),
                                static_cast<int>(state.Card(first).Top)));
        return {first, second};
    }

private slots:
    void anAcceptedWordIsListedScoredAndItsCardsLeaveTheTable() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(
            31, uitest::MakeProgramFolder(folder, uitest::AllTwoLetterWords())));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        GameState& state = board.State();
        state.Level = 2;
        const auto [first, second] = LayTwoLetterWord(board);
        QCOMPARE(state.WordCards.Count(), 2);
        const QString word =
            QString::fromStdString(state.Card(first).DataField + state.Card(second).DataField);
        const int points =
            LetterValue(state.Card(first).DataField) + LetterValue(state.Card(second).DataField);

        QTest::mouseClick(board.findChild<QPushButton*>(QStringLiteral("CheckWordButton")),
                          Qt::LeftButton);

        auto* list = board.findChild<QTreeWidget*>(QStringLiteral("WordList"));
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), word);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral(" %1").arg(points));
        QCOMPARE(state.TotalScore, points);
        QVERIFY(board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text().isEmpty());
        QVERIFY(board.findChild<QLabel*>(QStringLiteral("PointsLabel"))->text().isEmpty());
        for (const int used : {first, second}) {
            QCOMPARE(state.Card(used).Tag, CardTag::Used);
            QVERIFY(!state.Card(used).Visible);
            QCOMPARE(state.Card(used).Left, -100.0F);
        }
        QVERIFY(state.WordCards.empty());
        QVERIFY(board.Board().DiscardVisible());
        QCOMPARE(Panel(board, 1), QStringLiteral("Total Score:  %1").arg(points));
        QCOMPARE(Panel(board, 2), QStringLiteral("Total Number of Words:  1"));
        QCOMPARE(Panel(board, 4), QStringLiteral(" Number of Cards Left:  96"));
        // Both emptied columns received a card from the pack.
        QVERIFY(uitest::CardOnColumn(state, 1) > 0);
        QVERIFY(uitest::CardOnColumn(state, 2) > 0);
    }

    void aWordTheListLacksIsRefusedWithAMessage() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(32, uitest::MakeProgramFolder(folder, {})));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        const auto [first, second] = LayTwoLetterWord(board);
        QString title;
        QString text;
        AnswerNextMessage(&title, &text);
        QTest::keyClick(&board.Board(), Qt::Key_Return); // any key checks the word
        QCOMPARE(title, QStringLiteral("Lexabit Solitaire"));
        QCOMPARE(text, QStringLiteral("That word is not in our dictionary.  Please try again."));
        QCOMPARE(board.State().WordCards.Count(), 2);
        QCOMPARE(board.State().Card(first).Tag, CardTag::Word);
        QCOMPARE(board.State().TotalScore, 0);
        QCOMPARE(board.findChild<QTreeWidget*>(QStringLiteral("WordList"))->topLevelItemCount(), 0);
    }

    // A command's own key runs the command and checks no word, also while the command is
    // unavailable; any other key, with or without Ctrl, checks the word.
    void aCommandKeyChecksNoWordAndAnyOtherKeyDoes() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(
            33, uitest::MakeProgramFolder(folder, uitest::AllTwoLetterWords())));
        board.show();
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        board.Form_Activate();
        auto* list = board.findChild<QTreeWidget*>(QStringLiteral("WordList"));
        GameState& state = board.State();

        LayTwoLetterWord(board);
        QTest::keyClick(&board.Board(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state.WordCards.empty()); // undone
        QCOMPARE(list->topLevelItemCount(), 0);

        LayTwoLetterWord(board);
        board.Menus().Undo->setEnabled(false);
        for (const QKeyCombination key :
             {QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}) {
            QTest::keyClick(&board.Board(), key.key(), key.keyboardModifiers());
            QCOMPARE(state.WordCards.Count(), 2);
            QCOMPARE(list->topLevelItemCount(), 0);
        }
        QTest::keyClick(&board.Board(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(list->topLevelItemCount(), 1);
    }

    void aMissingWordListRefusesTheWordAndNamesTheFile() {
        QTemporaryDir folder;
        const QString program = uitest::MakeProgramFolder(folder, {});
        QFile::remove(program + QStringLiteral("/dictionary/dictionary.txt"));
        GameBoard board(uitest::TestServices(33, program));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        LayTwoLetterWord(board);
        QString title;
        QString text;
        AnswerNextMessage(&title, &text);
        board.CheckWordButton_Click();
        QCOMPARE(title, QStringLiteral("Lexabit Solitaire"));
        QVERIFY2(text.contains(QStringLiteral("dictionary.txt")), qPrintable(text));
        QCOMPARE(board.State().WordCards.Count(), 2);
        QCOMPARE(board.State().TotalScore, 0);
    }
};

LEXABIT_UI_TEST_MAIN(WordCheckTest)
#include "WordCheck_test.moc"
