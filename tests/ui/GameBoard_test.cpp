#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "board/GameWindows.h"
#include "options/LettersForm.h"
#include "records/StatusPanels.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QTreeWidget>

using namespace lexabit;

class GameBoardTest : public QObject {
    Q_OBJECT

private:
    static QString Panel(GameBoard& board, int n) {
        return board.findChild<QLabel*>(QStringLiteral("Panel%1").arg(n))->text();
    }

private slots:
    void opensWithTheDealOnTheTable() {
        GameBoard board(uitest::TestServices(1));
        const GameState& state = board.State();
        QCOMPARE(state.Pack.Count(), 98);
        QVERIFY(state.CardExists(105));
        QVERIFY(!state.CardExists(106));
        QCOMPARE(Panel(board, 4), QStringLiteral(" Number of Cards Left:  98"));
        QVERIFY(board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text().isEmpty());
        QVERIFY(board.Board().PackVisible());
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(8));
        QVERIFY(!board.Board().DiscardVisible());
        // The opening cards are laid once, at the window's first activation.
        const auto tableCards = [&state] {
            int count = 0;
            for (int i = 1; i <= state.CardsTotal; ++i) {
                count += state.Card(i).Tag == CardTag::Table ? 1 : 0;
            }
            return count;
        };
        QVERIFY(board.NewGamePending());
        QCOMPARE(tableCards(), 0);
        board.Form_Activate();
        QVERIFY(!board.NewGamePending());
        QCOMPARE(tableCards(), 7);
        board.Form_Activate();
        QCOMPARE(tableCards(), 7);
    }

    void opensWithItsBoardAtTheDesignSizeCentred() {
        GameBoard board(uitest::TestServices(2));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const QRect available = board.screen()->availableGeometry();
        const QSize size = board.Board().size();
        // The design size where the screen has room for it, less (never under the minimum)
        // where not.
        QCOMPARE(size.height(), 713);
        if (available.width() > 1100) {
            QCOMPARE(size.width(), 1032);
        } else {
            QVERIFY(size.width() < 1032 && size.width() >= 716);
        }
        QVERIFY(qAbs(board.geometry().center().x() - available.center().x()) <= 1);
        QCOMPARE(board.State().ScaleWidth, static_cast<double>(size.width()));
        QCOMPARE(board.Board().minimumSize(), QSize(716, 536));
        auto* list = board.findChild<QTreeWidget*>(QStringLiteral("WordList"));
        QCOMPARE(list->x() + list->width(), size.width());
        auto* status = board.findChild<StatusPanels*>(QStringLiteral("StatusBar"));
        QCOMPARE(status->y() + status->height(), 713);
    }

    void newGameDestroysTheOldCardsAndResetsTheState() {
        GameServices services = uitest::TestServices(4);
        auto* clock = static_cast<uitest::SettableClock*>(services.Time.get());
        GameBoard board(std::move(services));
        GameState& state = board.State();
        clock->now += std::chrono::seconds(125);
        board.Timer2_Timer();
        state.TotalScore = 55;
        state.WordCards.Add(3);
        board.Letters()
            .findChild<QLineEdit*>(QStringLiteral("Text1(4)"))
            ->setText(QStringLiteral("20"));
        board.Menus().NewGame->trigger();
        QCOMPARE(state.CardsTotal, 106);
        QCOMPARE(state.TotalScore, 0);
        QVERIFY(state.WordCards.empty());
        QCOMPARE(state.Card(107).Tag, CardTag::Marker);
        QCOMPARE(static_cast<int>(state.StackingOrder().size()), 114); // no old card is left
        QCOMPARE(Panel(board, 4), QStringLiteral(" Number of Cards Left:  106"));
        // The new game's clocks show from its deal on, not the old game's.
        QCOMPARE(Panel(board, 3), QStringLiteral("Total Playing Time:  0: 0: 0"));
        QCOMPARE(Panel(board, 5), QStringLiteral("Word Timer:  2: 60"));
    }

    // Each command is reached by its function key and, where there is one, the usual key.
    void theMenuCommandsHaveTheirKeys() {
        GameBoard board(uitest::TestServices(6));
        const struct {
            const char* name;
            QKeySequence key;
            QKeySequence usualKey = {};
        } commands[] = {
            {"NewGame", Qt::Key_F2, Qt::CTRL | Qt::Key_N},
            {"sh", Qt::Key_F3},
            {"Undo", Qt::Key_F4, Qt::CTRL | Qt::Key_Z},
            {"Print", Qt::Key_F5, Qt::CTRL | Qt::Key_P},
            {"Highscore", Qt::Key_F6},
            {"EndGame", Qt::Key_F7},
            {"Exit", Qt::Key_F8, Qt::CTRL | Qt::Key_Q},
            {"Contents", Qt::Key_F1},
            {"Website", Qt::Key_F9},
        };
        for (const auto& command : commands) {
            auto* action = board.findChild<QAction*>(QString::fromLatin1(command.name));
            QVERIFY2(action, command.name);
            QCOMPARE(action->shortcut(), command.key);
            QCOMPARE(action->shortcuts().value(1), command.usualKey);
        }
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
        GameServices services = uitest::TestServices(7);
        services.Time = std::make_unique<WatchedClock>(clockGone);
        auto* board = new GameBoard(std::move(services));
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
};

LEXABIT_UI_TEST_MAIN(GameBoardTest)
#include "GameBoard_test.moc"
