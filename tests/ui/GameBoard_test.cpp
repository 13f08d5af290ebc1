#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/BoardLayout.h"
#include "options/LettersForm.h"
#include "records/StatusPanels.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
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
        QCOMPARE(state.CardsTotal, 98);
        QCOMPARE(state.Pack.Count(), 98);
        QVERIFY(state.CardExists(105));
        QVERIFY(!state.CardExists(106));
        QCOMPARE(Panel(board, 4), QStringLiteral(" Number of Cards Left:  98"));
        QCOMPARE(Panel(board, 1), QStringLiteral("Total Score:  0"));
        QCOMPARE(Panel(board, 2), QStringLiteral("Total Number of Words:  0"));
        QVERIFY(board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text().isEmpty());
        QVERIFY(board.findChild<QLabel*>(QStringLiteral("PointsLabel"))->text().isEmpty());
        QCOMPARE(board.findChild<QPushButton*>(QStringLiteral("CheckWordButton"))->text(),
                 QStringLiteral("CheckWord"));
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("ShuffleCards"))->text(),
                 QStringLiteral("Shuffle Surface"));
        QVERIFY(board.Board().PackVisible());
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(8));
        QVERIFY(!board.Board().DiscardVisible());
        QVERIFY(board.NewGamePending());
    }

    void opensWithItsBoardAtTheDesignSizeCentred() {
        GameBoard board(uitest::TestServices(2));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const QRect available = board.screen()->availableGeometry();
        const QSize size = board.Board().size();
        // The design size where the screen has room for it, less (never under the minimum) where
        // not.
        QCOMPARE(size.height(), 713);
        if (available.width() > 1100) {
            QCOMPARE(size.width(), 1032);
        } else {
            QVERIFY(size.width() < 1032 && size.width() >= 716);
        }
        QVERIFY(qAbs(board.geometry().center().x() - available.center().x()) <= 1);
        QCOMPARE(board.State().ScaleWidth, static_cast<double>(size.width()));
        const ColumnTop first = ColumnPosition(board.State(), 1);
        QCOMPARE(board.State().Card(99).Left, static_cast<float>(first.Left));
        QCOMPARE(board.State().Card(99).Top, static_cast<float>(first.Top));
        QCOMPARE(board.Board().minimumSize(), QSize(716, 536));
        auto* list = board.findChild<QTreeWidget*>(QStringLiteral("WordList"));
        QCOMPARE(list->x() + list->width(), size.width());
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Words"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Points"));
        auto* status = board.findChild<StatusPanels*>(QStringLiteral("StatusBar"));
        QCOMPARE(status->y() + status->height(), 713);
    }

    void cardsInThePackFollowItOnResize() {
        GameBoard board(uitest::TestServices(3));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Board().resize(1400, 900);
        const GameState& state = board.State();
        QCOMPARE(state.Elements.PackBack.Left, 70.0);
        int onTable = 0;
        for (int i = 1; i <= 98; ++i) {
            const CardRecord& card = state.Card(i);
            if (card.Tag == CardTag::Pack) {
                QCOMPARE(card.Left, 70.0F);
                QCOMPARE(card.Top, 45.0F);
            } else {
                // A card laid at the opening lies on its column's marker.
                ++onTable;
                const int column = [&] {
                    for (int k = 1; k <= 7; ++k) {
                        if (state.Card(98 + k).Left == card.Left) {
                            return k;
                        }
                    }
                    return 0;
                }();
                QVERIFY(column > 0);
                QCOMPARE(card.Left, static_cast<float>(ColumnPosition(state, column).Left));
                QCOMPARE(card.Top, static_cast<float>(ColumnPosition(state, column).Top));
            }
        }
        QCOMPARE(onTable, 7);
        const ColumnTop seventh = ColumnPosition(state, 7);
        QCOMPARE(state.Card(105).Left, static_cast<float>(seventh.Left));
    }

    void newGameDestroysTheOldCardsAndResetsTheState() {
        GameServices services = uitest::TestServices(4);
        auto* clock = static_cast<uitest::SettableClock*>(services.Time.get());
        GameBoard board(std::move(services));
        GameState& state = board.State();
        clock->now += std::chrono::seconds(125);
        board.Timer2_Timer();
        state.TotalScore = 55;
        state.Card(3).Tag = CardTag::Table;
        state.WordCards.Add(3);
        board.Letters()
            .findChild<QLineEdit*>(QStringLiteral("Text1(4)"))
            ->setText(QStringLiteral("20"));
        board.Menus().NewGame->trigger();
        QCOMPARE(state.CardsTotal, 106);
        QCOMPARE(state.TotalScore, 0);
        QVERIFY(state.WordCards.empty());
        int onTable = 0;
        for (int i = 1; i <= 106; ++i) {
            QVERIFY(state.Card(i).Tag == CardTag::Pack || state.Card(i).Tag == CardTag::Table);
            onTable += state.Card(i).Tag == CardTag::Table ? 1 : 0;
        }
        QCOMPARE(onTable, 7); // the new game lays its opening cards at once
        QCOMPARE(state.Card(107).Tag, CardTag::Marker);
        QCOMPARE(Panel(board, 4), QStringLiteral(" Number of Cards Left:  106"));
        // The new game's clocks show from its deal on, not the old game's.
        QCOMPARE(Panel(board, 3), QStringLiteral("Total Playing Time:  0: 0: 0"));
        QCOMPARE(Panel(board, 5), QStringLiteral("Word Timer:  2: 60"));
        int stacked = 0;
        for (const int index : state.StackingOrder()) {
            QVERIFY(index <= 113);
            ++stacked;
        }
        QCOMPARE(stacked, 114); // the template, 106 letter cards and 7 markers
    }

    void cardStyleZeroBecomesChessAtANewGame() {
        GameBoard board(uitest::TestServices(5));
        board.State().CardStyle = 0;
        board.NewGame_Click();
        QCOMPARE(board.State().CardStyle, 8);
        QCOMPARE(board.CardPics().Style(), 8);
        board.State().CardStyle = 3;
        board.NewGame_Click();
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(3));
    }

    void theMenuBarHoldsEveryCommandWithItsKey() {
        GameBoard board(uitest::TestServices(6));
        const struct {
            const char* name;
            const char* caption;
            QKeySequence key;
            QKeySequence usualKey = {};
        } commands[] = {
            {"NewGame", "New Game", Qt::Key_F2, Qt::CTRL | Qt::Key_N},
            {"sh", "Shuffle surface", Qt::Key_F3},
            {"Undo", "Undo", Qt::Key_F4, Qt::CTRL | Qt::Key_Z},
            {"Print", "Print ", Qt::Key_F5, Qt::CTRL | Qt::Key_P},
            {"Highscore", "View Highscore", Qt::Key_F6},
            {"EndGame", "End Game", Qt::Key_F7},
            {"Exit", "Exit", Qt::Key_F8, Qt::CTRL | Qt::Key_Q},
            {"BgOptions", "Set Background Color", {}},
            {"CardsOptions", "Cards Options", {}},
            {"Level", "Difficulty level", {}},
            {"LF", "Letters Form", {}},
            {"SoundOnOff", "Sound On", {}},
            {"Contents", "Contents", Qt::Key_F1},
            {"Website", "Website", Qt::Key_F9},
            {"Ab", "About", {}},
            {"PrintList", "Print List", {}},
            {"TextColor", "Printer text color", {}},
            {"popExit", "Exit", {}},
        };
        for (const auto& command : commands) {
            auto* action = board.findChild<QAction*>(QString::fromLatin1(command.name));
            QVERIFY2(action, command.name);
            QCOMPARE(action->text(), QString::fromLatin1(command.caption));
            QCOMPARE(action->shortcut(), command.key);
            QCOMPARE(action->shortcuts().value(1), command.usualKey);
        }
        QVERIFY(!board.Menus().LF->isVisible());
        QVERIFY(board.Menus().SoundOnOff->isChecked());
        auto* file = board.findChild<QMenu*>(QStringLiteral("File"));
        const QList<QAction*> items = file->actions();
        QCOMPARE(items.size(), 9);
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[5]->objectName(), QStringLiteral("Highscore"));
        QVERIFY(items[6]->isSeparator());
        auto* help = board.findChild<QMenu*>(QStringLiteral("Help"));
        QVERIFY(help->actions()[2]->isSeparator());
        QCOMPARE(help->actions()[3]->objectName(), QStringLiteral("Ab"));
    }

    void activatingTheWindowLaysTheTableOutOnce() {
        GameBoard board(uitest::TestServices(7));
        const auto tableCards = [&board] {
            int count = 0;
            for (int i = 1; i <= board.State().CardsTotal; ++i) {
                count += board.State().Card(i).Tag == CardTag::Table ? 1 : 0;
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
};

LEXABIT_UI_TEST_MAIN(GameBoardTest)
#include "GameBoard_test.moc"
