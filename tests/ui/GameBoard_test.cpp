#include "UiTestSupport.h"
#include "board/GameWindows.h"
#include "ui/GameText.h"

#include <QLayout>

using namespace lexabit;
using namespace lexabit::uitest;

// The main window played with the mouse and the keys as a player does: the deal, a word
// laid and checked, and what the board shows meanwhile.
class GameBoardTest : public QObject {
    Q_OBJECT

private:
    static QTreeWidget& WordList(const GameBoard& board) {
        return Child<QTreeWidget>(board, QStringLiteral("WordList"));
    }
    static int TableCards(const GameState& state) {
        int count = 0;
        for (int i = 1; i <= state.CardsTotal; ++i) {
            count += state.Card(i).Tag == CardTag::Table ? 1 : 0;
        }
        return count;
    }

private slots:
    // The opening cards are laid once, at the first activation; a new game replaces every card
    // and restarts the clocks.
    void theFirstActivationDealsAndANewGameDealsAfresh() {
        TestGame game(4);
        GameBoard& board = game.Open();
        GameState& state = board.State();
        QCOMPARE(TableCards(state), 0);
        board.show();
        board.Form_Activate();
        board.Form_Activate();
        QVERIFY(!board.NewGamePending());
        QCOMPARE(TableCards(state), 7);
        const std::size_t freshStack = state.StackingOrder().size();
        const auto clocks = [&board] {
            return Child<QLabel>(board, QStringLiteral("Panel3")).text() +
                   Child<QLabel>(board, QStringLiteral("Panel5")).text();
        };
        board.Timer2_Timer();
        const QString freshClocks = clocks();
        LayTwoLetterWord(board);
        board.CheckWordButton_Click();
        game.clock.now += std::chrono::seconds(125);
        board.Timer2_Timer();
        QVERIFY(clocks() != freshClocks);

        Command(board, "NewGame").trigger();
        QCOMPARE(WordList(board).topLevelItemCount(), 0);
        QCOMPARE(state.StackingOrder().size(), freshStack); // no card of the old game is left
        QCOMPARE(clocks(), freshClocks);
    }

    // The board's widgets, windows and helpers refer to the game it holds (its state, its
    // services): none of them may outlive it. The clock stands for the game: it is held
    // by the board's first member, so the rest of the game is gone once it is.
    void everyWidgetGoesBeforeTheGameItShows() {
        struct WatchedClock final : Clock {
            explicit WatchedClock(bool& gone) : gone_(gone) {}
            ~WatchedClock() override { gone_ = true; }
            GameTime Now() const override { return {}; }
            bool& gone_;
        };
        bool clockGone = false;
        TestGame game(7);
        game.services.Time = std::make_unique<WatchedClock>(clockGone);
        auto* board = new GameBoard(std::move(game.services));
        board->Windows().PaintBackgrounds(0); // creates every secondary window
        QStringList outlivedTheGame;
        for (QObject* child : board->findChildren<QObject*>()) {
            if (child != board->layout() && child->parent() != board->layout()) {
                const QString what = QString::fromLatin1(child->metaObject()->className()) +
                                     QLatin1Char(' ') + child->objectName();
                connect(child, &QObject::destroyed, this, [&, what] {
                    if (clockGone) {
                        outlivedTheGame << what;
                    }
                });
            }
        }
        delete board;
        QVERIFY(clockGone);
        QVERIFY2(outlivedTheGame.isEmpty(), qPrintable(outlivedTheGame.join(QLatin1String(", "))));
    }

    // While a card is held over another, the card that would take it is outlined; once dropped,
    // the word display shows the two letters. A command's key checks no word, even while the
    // command is unavailable; any other key, with or without Ctrl, checks it.
    void aHeldCardOutlinesItsTargetAndKeysCheckTheWord() {
        TestGame game(24);
        GameBoard& board = game.Deal();
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        const GameState& state = board.State();
        const int target = CardOnColumn(state, 1);
        const int held = CardOnColumn(state, 2);
        const QPoint corner = PlaceOf(state, target);
        const QColor ring = board.Board().palette().color(QPalette::Highlight);
        const auto colourBeside = [&] {
            return board.Board().grab().toImage().pixelColor(corner + QPoint(-3, 60));
        };
        QVERIFY(colourBeside() != ring);
        const QPoint grip(40, 60);
        QWidget* surface = &board.Board();
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, PlaceOf(state, held) + grip);
        QTest::mouseMove(surface, corner + QPoint(8, 5) + grip);
        QCOMPARE(colourBeside(), ring);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, corner + grip);
        QVERIFY(colourBeside() != ring);
        QCOMPARE(Child<QLabel>(board, QStringLiteral("WordLabel")).text(),
                 QString::fromStdString(state.Card(target).DataField + state.Card(held).DataField));

        Command(board, "Undo").setEnabled(false);
        for (const QKeyCombination key :
             {QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}) {
            QTest::keyClick(surface, key.key(), key.keyboardModifiers());
            QCOMPARE(state.WordCards.Count(), 2);
            QCOMPARE(WordList(board).topLevelItemCount(), 0);
        }
        QTest::keyClick(surface, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(WordList(board).topLevelItemCount(), 1);
    }
};

LEXABIT_UI_TEST_MAIN(GameBoardTest)
#include "GameBoard_test.moc"
