#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/model/Alphabet.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

using namespace lexabit;

// Plays a word the way a player does, against a small word list beside a copy of the
// program: two cards dragged together, then the CheckWord button or a key.
class WordCheckTest : public QObject {
    Q_OBJECT

private:
    static QString Panel(GameBoard& board, int n) {
        return board.findChild<QLabel*>(QStringLiteral("Panel%1").arg(n))->text();
    }

    static QTreeWidget& WordList(GameBoard& board) {
        return *board.findChild<QTreeWidget*>(QStringLiteral("WordList"));
    }

private slots:
    void anAcceptedWordIsListedScoredAndItsCardsLeaveTheTable() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(
            31, uitest::MakeProgramFolder(folder, uitest::AllTwoLetterWords())));
        uitest::ShowAndDeal(board);
        GameState& state = board.State();
        const auto [first, second] = uitest::LayTwoLetterWord(board);
        const QString word =
            QString::fromStdString(state.Card(first).DataField + state.Card(second).DataField);
        const int points =
            LetterValue(state.Card(first).DataField) + LetterValue(state.Card(second).DataField);

        QTest::mouseClick(board.findChild<QPushButton*>(QStringLiteral("CheckWordButton")),
                          Qt::LeftButton);

        QCOMPARE(WordList(board).topLevelItemCount(), 1);
        QCOMPARE(WordList(board).topLevelItem(0)->text(0), word);
        QCOMPARE(WordList(board).topLevelItem(0)->text(1), QStringLiteral(" %1").arg(points));
        QCOMPARE(state.TotalScore, points);
        QVERIFY(board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text().isEmpty());
        QCOMPARE(state.Card(first).Tag, CardTag::Used);
        QVERIFY(board.Board().DiscardVisible());
        QCOMPARE(Panel(board, 1), QStringLiteral("Total Score:  %1").arg(points));
        QCOMPARE(Panel(board, 2), QStringLiteral("Total Number of Words:  1"));
        QCOMPARE(Panel(board, 4), QStringLiteral(" Number of Cards Left:  96"));
        // Both emptied columns received a card from the pack.
        QVERIFY(uitest::CardOnColumn(state, 1) > 0);
        QVERIFY(uitest::CardOnColumn(state, 2) > 0);
    }

    void aWordThatCannotBeFoundIsRefusedWithAMessage_data() {
        QTest::addColumn<bool>("listMissing");
        QTest::addColumn<QString>("told");
        QTest::newRow("not in the list")
            << false << QStringLiteral("That word is not in our dictionary.  Please try again.");
        QTest::newRow("no list") << true << QStringLiteral("dictionary.txt");
    }

    void aWordThatCannotBeFoundIsRefusedWithAMessage() {
        QFETCH(bool, listMissing);
        QFETCH(QString, told);
        QTemporaryDir folder;
        const QString program = uitest::MakeProgramFolder(folder, {});
        if (listMissing) {
            QFile::remove(program + QStringLiteral("/dictionary/dictionary.txt"));
        }
        GameBoard board(uitest::TestServices(32, program));
        uitest::ShowAndDeal(board);
        const auto [first, second] = uitest::LayTwoLetterWord(board);
        uitest::MessageAnswerer messages;
        QTest::keyClick(&board.Board(), Qt::Key_Return); // any key checks the word
        QCOMPARE(messages.titles, QStringList{QStringLiteral("Lexabit Solitaire")});
        QVERIFY2(messages.texts[0].contains(told), qPrintable(messages.texts[0]));
        QCOMPARE(board.State().Card(first).Tag, CardTag::Word);
        QCOMPARE(board.State().WordCards.Count(), 2);
        QCOMPARE(board.State().TotalScore, 0);
        QCOMPARE(WordList(board).topLevelItemCount(), 0);
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
        QTreeWidget& list = WordList(board);
        GameState& state = board.State();

        uitest::LayTwoLetterWord(board);
        QTest::keyClick(&board.Board(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(state.WordCards.empty()); // undone
        QCOMPARE(list.topLevelItemCount(), 0);
        // The labels show what the cards now spell: no word.
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text(), QString());
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("PointsLabel"))->text(),
                 QStringLiteral(" 0 Points"));

        uitest::LayTwoLetterWord(board);
        board.Menus().Undo->setEnabled(false);
        for (const QKeyCombination key :
             {QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}) {
            QTest::keyClick(&board.Board(), key.key(), key.keyboardModifiers());
            QCOMPARE(state.WordCards.Count(), 2);
            QCOMPARE(list.topLevelItemCount(), 0);
        }
        QTest::keyClick(&board.Board(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(list.topLevelItemCount(), 1);
    }
};

LEXABIT_UI_TEST_MAIN(WordCheckTest)
#include "WordCheck_test.moc"
