#include "UiTestSupport.h"
#include "records/MissedWordsWindow.h"

#include <QCheckBox>

using namespace lexabit;
using namespace lexabit::uitest;

// The missed words at a game's end, the hint, and the question of a stuck game.
class WordsBeyondPlayTest : public QObject {
    Q_OBJECT

private:
    static void LayAT(GameBoard& board) {
        LayWord(board, {CardOf(board.State(), 'A'), CardOf(board.State(), 'T')});
    }

private slots:
    void missedWordsOpenAfterTheNameAndTheirChoiceIsKept() {
        TestGame game(51, {"at", "TA", "tea", "Eat", "sate", "zz"});
        GameBoard& board = game.Deal();
        DealOnly(board, QStringLiteral("ATE"));
        MessageAnswerer answerer(QStringLiteral("Di"));
        QTest::keyClick(&board, Qt::Key_F7);
        QTRY_VERIFY(board.OpenMissedWords() != nullptr && board.OpenMissedWords()->isVisible());
        QCOMPARE(board.State().PlayerName, std::string("Di"));

        MissedWordsWindow& missed = *board.OpenMissedWords();
        QVERIFY(Child<QTreeWidget>(missed, QStringLiteral("MissedWordsList")).topLevelItemCount() >
                0);
        Child<QCheckBox>(missed, QStringLiteral("ShowAfterEveryGame")).click(); // unchecked
        QCOMPARE(game.Read(QStringLiteral("Settings/MissedWords.txt")), QByteArray("0\r\n"));
        QTest::keyClick(&missed, Qt::Key_Escape);
        QTRY_VERIFY(board.OpenMissedWords() == nullptr);

        QTest::keyClick(&board, Qt::Key_F7);
        QTRY_VERIFY(!Child(board, QStringLiteral("Namefrm")).isVisible());
        QTest::qWait(50);
        QVERIFY(board.OpenMissedWords() == nullptr);
    }

    // Ctrl+H outlines the cards of the best word on the board until a while has passed.
    void aHintOutlinesTheCardsOfTheBestWordForAWhile() {
        TestGame game(52, {"ZA", "TEA", "AT", "ES"});
        GameBoard& board = game.Deal();
        DealOnly(board, QStringLiteral("ATESZ"));
        const GameState& state = board.State();
        const QPoint besideZ = PlaceOf(state, CardOf(state, 'Z')) + QPoint(-5, 60);
        const auto colourBesideZ = [&] {
            return board.Board().grab().toImage().pixelColor(besideZ);
        };
        const QColor unlit = colourBesideZ();

        QTest::keyClick(&board, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(state.HintedCards, (std::vector<int>{CardOf(state, 'Z'), CardOf(state, 'A')}));
        QVERIFY(colourBesideZ() != unlit);
        QTRY_VERIFY_WITH_TIMEOUT(state.HintedCards.empty(), 4000);
        QCOMPARE(colourBesideZ(), unlit);
    }

    void aStuckGameAsksAndYesEndsIt() {
        TestGame game(53, {"AT"});
        GameBoard& board = game.Deal();
        DealOnly(board, QStringLiteral("ATV"), 3);
        GameState& state = board.State();
        const QString stuck = QStringLiteral("No more words can be laid. End the game?");
        {
            MessageAnswerer no({}, QMessageBox::No);
            LayAT(board);
            board.CheckWordButton_Click();
            QCOMPARE(no.texts, QStringList{stuck});
            QCOMPARE(state.Card(CardOf(state, 'V')).Tag, CardTag::Table); // the game goes on
        }
        board.NewGame_Click();
        MessageAnswerer yes(QStringLiteral("Ed"));
        LayAT(board);
        board.CheckWordButton_Click();
        QTRY_COMPARE(state.PlayerName, std::string("Ed"));
        QCOMPARE(yes.texts.size(), 2); // the question, then the rating
        QCOMPARE(yes.texts[0], stuck);
    }

    void aTimeOutWhileTheStuckQuestionStandsClosesIt() {
        TestGame game(55, {"AT"});
        GameBoard& board = game.Deal();
        DealOnly(board, QStringLiteral("ATV"), 1);
        bool timedOut = false;
        QStringList leftOver; // boxes still standing once the game has ended
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            if (!timedOut) {
                timedOut = true; // the word timer runs out while the question stands
                MessageAnswerer answerer;
                game.clock.now += std::chrono::minutes(2);
                board.Timer2_Timer();
                return;
            }
            leftOver << box->text();
            box->done(QMessageBox::No);
        });
        watcher.start(5);
        LayAT(board);
        board.CheckWordButton_Click();
        QVERIFY(timedOut);
        QCOMPARE(leftOver, QStringList{});
        QVERIFY(Child(board, QStringLiteral("Namefrm")).isVisible());
    }
};

LEXABIT_UI_TEST_MAIN(WordsBeyondPlayTest)
#include "WordsBeyondPlay_test.moc"
