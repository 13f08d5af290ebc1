#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "records/MissedWordsWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

using namespace lexabit;

// The missed words at a game's end, the hint, and the question of a stuck game.
class WordsBeyondPlayTest : public QObject {
    Q_OBJECT

private:
    // A game of the given letters, one card each, every one of them on the table.
    static void DealOnly(GameBoard& board, std::initializer_list<int> letters, int level) {
        std::map<int, QString> counts;
        for (const int letter : letters) {
            counts[letter] = QStringLiteral("1");
        }
        uitest::UseOnlyLetters(board, counts);
        board.State().Level = static_cast<std::int16_t>(level);
        board.NewGame_Click();
    }

    static int CardOf(const GameState& state, char letter) {
        for (int i = 1; i <= state.CardsTotal; ++i) {
            if (state.Card(i).DataField == std::string(1, letter)) {
                return i;
            }
        }
        return 0;
    }

    static void LayWord(GameBoard& board, const std::vector<int>& cards) {
        const GameState& state = board.State();
        for (std::size_t k = 1; k < cards.size(); ++k) {
            const CardRecord& last = state.Card(cards[k - 1]);
            uitest::DragCard(board, cards[k],
                             QPoint(static_cast<int>(last.Left), static_cast<int>(last.Top)));
        }
    }

    static QStringList Rows(const QTreeWidget& list) {
        QStringList rows;
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            rows << list.topLevelItem(i)->text(0) + list.topLevelItem(i)->text(1);
        }
        return rows;
    }

    static constexpr int A = 0, E = 4, S = 18, T = 19, V = 21, Z = 25;

private slots:
    void missedWordsOpenAfterTheNameAndTheirChoiceIsKept() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(
            51, uitest::MakeProgramFolder(folder, {"at", "TA", "tea", "Eat", "sate", "zz"})));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        DealOnly(board, {A, T, E}, 2);
        uitest::MessageAnswerer answerer(QStringLiteral("Di"));
        QTest::keyClick(&board, Qt::Key_F7);
        QTRY_VERIFY(board.OpenMissedWords() != nullptr && board.OpenMissedWords()->isVisible());
        QCOMPARE(board.State().PlayerName, std::string("Di"));

        MissedWordsWindow* missed = board.OpenMissedWords();
        QCOMPARE(missed->windowTitle(), QStringLiteral("Lexabit Solitaire"));
        QVERIFY(!missed->isModal());
        const auto* list = missed->findChild<QTreeWidget*>(QStringLiteral("MissedWordsList"));
        QCOMPARE(Rows(*list), (QStringList{"EAT 3", "TEA 3", "AT 2", "TA 2"}));

        auto* showAfter = missed->findChild<QCheckBox*>(QStringLiteral("ShowAfterEveryGame"));
        QVERIFY(showAfter->isChecked());
        showAfter->click();
        QFile kept(folder.filePath(QStringLiteral("Settings/MissedWords.txt")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("0\r\n"));
        QTest::keyClick(missed, Qt::Key_Escape);
        QTRY_VERIFY(board.OpenMissedWords() == nullptr);

        // Unchecked, the next game's end opens no window.
        QTest::keyClick(&board, Qt::Key_F7);
        QTRY_VERIFY(!board.findChild<QWidget*>(QStringLiteral("Namefrm"))->isVisible());
        QTest::qWait(50);
        QVERIFY(board.OpenMissedWords() == nullptr);
    }

    void aHintOutlinesTheCardsOfTheBestWordAndCostsItsPoints() {
        QTemporaryDir folder;
        GameBoard board(
            uitest::TestServices(52, uitest::MakeProgramFolder(folder, {"ZA", "TEA", "AT", "ES"})));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        DealOnly(board, {A, T, E, S, Z}, 2);
        GameState& state = board.State();

        // While a card is held the hint is not taken.
        const CardRecord& held = state.Card(CardOf(state, 'S'));
        const QPoint onHeld(static_cast<int>(held.Left) + 40, static_cast<int>(held.Top) + 40);
        QTest::mousePress(&board.Board(), Qt::LeftButton, Qt::NoModifier, onHeld);
        QVERIFY(!board.Menus().Hint->isEnabled());
        board.Hint_Click();
        QVERIFY(state.HintedCards.empty());
        QTest::mouseRelease(&board.Board(), Qt::LeftButton, Qt::NoModifier, onHeld);

        QTest::keyClick(&board, Qt::Key_H, Qt::ControlModifier);
        QTest::keyClick(&board, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(state.HintCost, 11); // the same hint, still showing, is paid once
        const std::vector<int> za{CardOf(state, 'Z'), CardOf(state, 'A')};
        QCOMPARE(state.HintedCards, za);
        for (const int index : za) {
            QCOMPARE(state.Card(index).Tag, CardTag::Table); // outlined where they lie
        }

        // The outlined cards make a word the check accepts; the hint's 11 points go again.
        state.TotalScore = 20;
        LayWord(board, za);
        board.CheckWordButton_Click();
        QCOMPARE(board.findChild<QTreeWidget*>(QStringLiteral("WordList"))->topLevelItemCount(), 1);
        QCOMPARE(state.TotalScore, 20 + 11 - 11);
        QTRY_VERIFY_WITH_TIMEOUT(state.HintedCards.empty(), 4000);
    }

    void aStuckGameAsksOnceAndYesEndsIt() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(53, uitest::MakeProgramFolder(folder, {"AT"})));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        DealOnly(board, {A, T, V}, 3);
        GameState& state = board.State();
        {
            uitest::MessageAnswerer no({}, QMessageBox::No);
            LayWord(board, {CardOf(state, 'A'), CardOf(state, 'T')});
            board.CheckWordButton_Click();
            QCOMPARE(no.texts, QStringList{"No more words can be laid. End the game?"});
            // No leaves the game as it was; a hint finds nothing; nobody asks again.
            QCOMPARE(state.Card(CardOf(state, 'V')).Tag, CardTag::Table);
            board.Menus().Hint->trigger();
            board.CheckWordButton_Click();
            QCOMPARE(no.texts,
                     (QStringList{"No more words can be laid. End the game?",
                                  "No word can be laid from the cards on the table.",
                                  "That word is not in our dictionary.  Please try again."}));
        }
        board.NewGame_Click();
        uitest::MessageAnswerer yes(QStringLiteral("Ed"));
        LayWord(board, {CardOf(state, 'A'), CardOf(state, 'T')});
        board.CheckWordButton_Click();
        QTRY_COMPARE(state.PlayerName, std::string("Ed"));
        QCOMPARE(yes.texts, (QStringList{"No more words can be laid. End the game?",
                                         "Your skill level is: Fantastic, You had 1 card left"}));
    }

    void theHintRingShowsOnABackgroundOfItsOwnColour() {
        QTemporaryDir folder;
        uitest::MakeProgramFolder(folder, {"ZA"});
        QFile settings(folder.filePath(QStringLiteral("Settings/Settings.txt")));
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write(" 51455 \r\n 8 \r\n 2 \r\n"); // the ring's own amber
        settings.close();
        GameBoard board(uitest::TestServices(54, folder.path()));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        DealOnly(board, {A, Z}, 2);
        const QColor background = board.Board().palette().color(QPalette::Window);
        QCOMPARE(background, QColor(0xff, 0xc8, 0x00));
        board.Hint_Click();
        const CardRecord& hinted = board.State().Card(board.State().HintedCards.front());
        const QPoint besideCard(static_cast<int>(hinted.Left) - 5,
                                static_cast<int>(hinted.Top) + 60);
        QVERIFY(board.Board().grab().toImage().pixelColor(besideCard) != background);
    }

    void aTimeOutWhileTheStuckQuestionStandsClosesIt() {
        QTemporaryDir folder;
        GameServices services = uitest::TestServices(55, uitest::MakeProgramFolder(folder, {"AT"}));
        auto* clock = static_cast<uitest::SettableClock*>(services.Time.get());
        GameBoard board(std::move(services));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        DealOnly(board, {A, T, V}, 1);
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
                uitest::MessageAnswerer answerer;
                clock->now += std::chrono::minutes(2);
                board.Timer2_Timer();
                return;
            }
            leftOver << box->text();
            box->done(QMessageBox::No);
        });
        watcher.start(5);
        GameState& state = board.State();
        LayWord(board, {CardOf(state, 'A'), CardOf(state, 'T')});
        board.CheckWordButton_Click();
        QVERIFY(timedOut);
        QCOMPARE(leftOver, QStringList{});
        QVERIFY(board.findChild<QWidget*>(QStringLiteral("Namefrm"))->isVisible());
    }
};

LEXABIT_UI_TEST_MAIN(WordsBeyondPlayTest)
#include "WordsBeyondPlay_test.moc"
