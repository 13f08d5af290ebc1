#include "UiTestSupport.h"
#include "board/BoardSurface.h"
#include "board/BoardView.h"
#include "board/CardOptions.h"
#include "board/GameBoard.h"
#include "board/GameWindows.h"
#include "board/PacedWait.h"
#include "game/files/Highscore.h"
#include "options/LevelForm.h"
#include "options/frmAboutLexabit.h"
#include "records/HighScoreForm.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace lexabit;

namespace {

using uitest::PlaceOf;

// Counts the times a widget is painted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// A board on its own program folder that knows every two-letter word, on the Hard level.
struct HardGame {
    explicit HardGame(std::uint64_t seed) {
        GameServices services = uitest::TestServices(
            seed, uitest::MakeProgramFolder(folder, uitest::AllTwoLetterWords()));
        clock = static_cast<uitest::SettableClock*>(services.Time.get());
        board = std::make_unique<GameBoard>(std::move(services));
        board->show();
        board->ChooseLevel(1);
        board->NewGame_Click();
    }

    QTemporaryDir folder;
    uitest::SettableClock* clock = nullptr;
    std::unique_ptr<GameBoard> board;
};

} // namespace

// Where one flow meets another: commands that arrive while a game is over, while a card
// is held, while a move runs, and settings read again in the middle of a game.
class PlayFlowTest : public QObject {
    Q_OBJECT

private slots:
    void commandsDuringTheNameDialogLeaveTheFinishedGameAlone() {
        HardGame game(61);
        GameBoard& board = *game.board;
        GameState& state = board.State();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        uitest::LayTwoLetterWord(board);
        board.CheckWordButton_Click();
        const int score = state.TotalScore;
        QVERIFY(score > 0);

        uitest::MessageAnswerer messages;
        QTest::keyClick(&board, Qt::Key_F7);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].startsWith(QStringLiteral("Your skill level is: ")),
                 qPrintable(messages.texts[0]));
        auto* name = board.findChild<QWidget*>(QStringLiteral("Namefrm"));
        QVERIFY(name->isVisible());
        // While the dialog waits: no new game, and no time-out a minute later.
        QVERIFY(!board.Menus().NewGame->isEnabled());
        QTest::keyClick(&board, Qt::Key_F2);
        board.NewGame_Click();
        QCOMPARE(state.TotalScore, score);
        game.clock->now += std::chrono::seconds(61);
        board.Timer2_Timer();
        QCOMPARE(messages.texts.size(), 1);

        auto* field = name->findChild<QLineEdit*>(QStringLiteral("NameText"));
        field->setText(QStringLiteral("Eve"));
        QTest::keyClick(field, Qt::Key_Return);
        Highscore scores(board.Scores().FilePath());
        QVERIFY(scores.GetScores().Ok);
        QCOMPARE(scores.Table().size(), std::size_t{1});
        QCOMPARE(std::stoi(scores.Table()[0].Points), score);
        QCOMPARE(scores.Table()[0].Words, std::string("1"));
        QCOMPARE(scores.Table()[0].Difficulty, std::string("Hard"));
        QCOMPARE(state.TotalScore, 0); // the name started the next game
        QVERIFY(board.Menus().NewGame->isEnabled());

        // A dialog closed without a name records nothing and gives the board back.
        board.EndGame_Click();
        QVERIFY(!board.Menus().NewGame->isEnabled());
        board.findChild<QWidget*>(QStringLiteral("Namefrm"))->close();
        QVERIFY(board.Menus().NewGame->isEnabled());
        QVERIFY(scores.GetScores().Ok);
        QCOMPARE(scores.Table().size(), std::size_t{1});
    }

    void commandsWhileACardIsHeld() {
        HardGame game(62);
        GameBoard& board = *game.board;
        const GameState& state = board.State();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        std::map<int, QPoint> places;
        for (int column = 1; column <= 7; ++column) {
            const int card = uitest::CardOnColumn(state, column);
            places[card] = PlaceOf(state, card);
        }
        const int held = uitest::CardOnColumn(state, 3);
        QWidget* surface = &board.Board();
        const QPoint grip = places[held] + QPoint(40, 60);
        const QPoint away = grip + QPoint(30, 200);
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(surface, away);

        uitest::MessageAnswerer messages;
        QTest::keyClick(surface, Qt::Key_A); // would check the word
        QTest::keyClick(&board, Qt::Key_F3); // would shuffle
        QTest::keyClick(&board, Qt::Key_F2); // would deal anew
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'|')));
        QCOMPARE(PlaceOf(state, held), places[held] + QPoint(30, 200));
        for (const auto& [card, place] : places) {
            QVERIFY(state.CardExists(card));
            QCOMPARE(PlaceOf(state, card), card == held ? places[held] + QPoint(30, 200) : place);
        }

        // A time-out during the drag puts the card back before its message shows.
        QPoint placeDuringMessage;
        messages.whileShown = [&] { placeDuringMessage = PlaceOf(state, held); };
        game.clock->now += std::chrono::seconds(60);
        board.Timer2_Timer();
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(placeDuringMessage, places[held]);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, away);
        QCOMPARE(PlaceOf(state, held), places[held]);
        QCOMPARE(state.Card(held).Tag, CardTag::Table);
        QVERIFY(state.WordCards.empty());
    }

    // The colour dialog, opened from the keyboard while a card is held, takes the release.
    void aDialogOverAHeldCardPutsTheCardBack() {
        HardGame game(63);
        GameBoard& board = *game.board;
        const GameState& state = board.State();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const int held = uitest::CardOnColumn(state, 2);
        const QPoint place = PlaceOf(state, held);
        QTest::mousePress(&board.Board(), Qt::LeftButton, Qt::NoModifier, place + QPoint(40, 60));
        QTest::mouseMove(&board.Board(), place + QPoint(70, 260));
        QPoint placeUnderDialog;
        QTimer::singleShot(50, &board, [&] {
            placeUnderDialog = PlaceOf(state, held);
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialog->close();
            }
        });
        board.Menus().BackgroundColor->trigger();
        QCOMPARE(placeUnderDialog, place);
        QCOMPARE(uitest::CardOnColumn(state, 2), held);
        QVERIFY(board.Menus().NewGame->isEnabled());
    }

    void aSettingsReReadLeavesTheRunningGameAlone() {
        QTemporaryDir folder;
        GameServices services = uitest::TestServices(63, uitest::MakeProgramFolder(folder, {}));
        auto* clock = static_cast<uitest::SettableClock*>(services.Time.get());
        GameBoard board(std::move(services)); // the file says Easy, with the Chess back
        board.show();
        const auto deleteClosed = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        // This run's choices: Very Easy, and the Robot back.
        board.Level_Click();
        LevelForm& level = board.Windows().Level();
        level.findChild<QRadioButton*>(QStringLiteral("Option3"))->click();
        QTest::mouseClick(level.findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        deleteClosed();
        board.CardsOptions_Click();
        board.Windows().CardOptionsWindow().CardList_Click(5);
        board.Windows().CardOptionsWindow().Ok_Click();
        deleteClosed();
        // Every window that reads the settings as it opens, opened anew.
        board.Ab_Click();
        board.Windows().About().close();
        deleteClosed();
        board.Ab_Click();
        board.Highscore_Click();
        board.Windows().HighScores().close();
        deleteClosed();
        board.Highscore_Click();
        board.Level_Click();
        board.Windows().Level().close();
        deleteClosed();
        board.CardsOptions_Click();
        board.Windows().CardOptionsWindow().Cancel_Click();

        QCOMPARE(board.State().Level, 3);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));
        uitest::MessageAnswerer messages;
        clock->now += std::chrono::minutes(4);
        board.Timer2_Timer();
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'|')));
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("Panel5"))->text(),
                 QStringLiteral("Timer Off"));
        // What the file says begins with the next game.
        board.NewGame_Click();
        QCOMPARE(board.State().Level, 2);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(8));
    }

    void aResizeDuringTheDealIsLaidOutOnceTheDealHasEnded() {
        GameServices services = uitest::TestServices(64);
        services.Wait = PacedWait;
        GameBoard board(std::move(services));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const QSize before = board.Board().size();
        const QSize wider = before + QSize(100, 90);
        QTimer::singleShot(0, &board, [&board] { board.resize(board.size() + QSize(100, 90)); });
        board.NewGame_Click(); // seven paced glides
        QTRY_COMPARE(board.Board().size(), wider);
        const GameState& state = board.State();
        for (int column = 1; column <= 7; ++column) {
            QVERIFY2(uitest::CardOnColumn(state, column) > 0, qPrintable(QString::number(column)));
        }
    }

    void aGlideIsPaintedAtTheDisplaysRate() {
        GameServices services = uitest::TestServices(65);
        services.Wait = PacedWait;
        GameBoard board(std::move(services));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        const GameState& state = board.State();
        const int card = uitest::CardOnColumn(state, 4);
        const QPoint place = PlaceOf(state, card);
        board.Card_MouseDown(card, 10, 10);
        board.Card_MouseMove(card, 10, 300);
        PaintCounter counter;
        board.Board().installEventFilter(&counter);
        board.Card_MouseUp(card); // nothing near: it glides back in 30 steps
        board.Board().removeEventFilter(&counter);
        QCOMPARE(PlaceOf(state, card), place);
        const double frame = 1000.0 / board.screen()->refreshRate();
        const auto glide =
            std::chrono::duration<double, std::milli>(BoardSurface::GlideDuration(30));
        QVERIFY2(counter.paints >= 1 && counter.paints <= glide.count() / frame + 2,
                 qPrintable(QString::number(counter.paints)));
    }
};

LEXABIT_UI_TEST_MAIN(PlayFlowTest)
#include "PlayFlow_test.moc"
