#include "UiTestSupport.h"
#include "board/table/BoardScale.h"
#include "records/StatusPanels.h"

#include <QScreen>
#include <algorithm>

using namespace lexabit;
using namespace lexabit::uitest;

// On every common screen the board fits, shows every column and panel, plays the same.
class BoardScaleTest : public QObject {
    Q_OBJECT

private slots:
    void fitsEveryScreen() {
        double scaleOn1024 = 0;
        // Each screen of screens.json by its name, and whether the window is shown maximised.
        const std::pair<QString, bool> screens[] = {{"800x600", false},     {"1024x768", false},
                                                    {"1366x768", false},    {"1920x1080", true},
                                                    {"1920x1080@2", false}, {"3840x2160", true}};
        for (const auto& [name, maximised] : screens) {
            const TestPart trace{name};
            TestGame game(7);
            GameBoard& board = game.Open();
            const QList<QScreen*> all = QGuiApplication::screens();
            const auto screen = std::ranges::find(all, name, &QScreen::name);
            QVERIFY(screen != all.end());
            board.setScreen(*screen);
            board.PlaceOnScreen();
            maximised ? board.showMaximized() : board.show();
            QVERIFY(QTest::qWaitForWindowExposed(&board));
            board.Form_Activate();
            QCoreApplication::processEvents(); // the status bar lays out its panels
            QVERIFY((*screen)->availableGeometry().contains(board.frameGeometry()));

            // Every column with a word of eleven cards fanned below its top, and every panel.
            const GameState& state = board.State();
            const QRect boardArea = board.Board().rect();
            const QRect statusBar = board.Controls().StatusBar->geometry();
            const QRect wordList = board.Controls().WordList->geometry().united(
                board.Controls().CheckWordButton->geometry());
            for (int column = 1; column <= 7; ++column) {
                const ColumnTop top = ColumnPosition(state, column);
                const QRect fan = QRectF(board.Board().Scale().ToPixels(QPointF(top.Left, top.Top)),
                                         QSizeF(CardWidth, CardHeight + 10 * WordCardStep) *
                                             board.Board().Scale().Factor())
                                      .toAlignedRect();
                QVERIFY2(boardArea.contains(fan) && !fan.intersects(wordList) &&
                             fan.bottom() < statusBar.top(),
                         qPrintable(QStringLiteral("column %1").arg(column)));
            }
            QVERIFY(boardArea.contains(statusBar));
            for (int panel = 1; panel <= StatusPanels::PanelCount; ++panel) {
                const auto& label = Child<QLabel>(board, QStringLiteral("Panel%1").arg(panel));
                QVERIFY(statusBar.contains(label.geometry().translated(statusBar.topLeft())));
                QVERIFY(label.width() >= label.sizeHint().width());
            }
            const double scale = board.Board().Scale().Factor();
            QVERIFY(scale >= SmallestBoardScale && scale <= LargestBoardScale);
            scaleOn1024 = name == "1024x768" ? scale : scaleOn1024;
            QVERIFY(name != "1920x1080" || scale >= 1.3 * scaleOn1024);
        }
    }

    // At the design size the scale is 1 and cards and controls stand in whole pixels where the
    // layout puts them; at 1.7 a drop by the mouse lands exactly where it lands at 1.
    void theSamePlayAtAnyScale() {
        std::vector<std::unique_ptr<TestGame>> games;
        for (const QSize boardPixels : {DesignBoardUnits, QSize(1755, 1213)}) {
            games.push_back(std::make_unique<TestGame>(11));
            GameBoard& board = games.back()->Deal();
            board.resize(boardPixels + (board.size() - board.Board().size()));
            QTRY_COMPARE(board.Board().size(), boardPixels);
            const GameState& state = board.State();
            const int target = CardOnColumn(state, 2);
            const double scale = board.Board().Scale().Factor();
            if (scale == 1) {
                const QImage shown = board.Board().grab().toImage();
                const QImage face = board.CardPics().Card(state.Card(target).Picture).toImage();
                const QPoint corner = PlaceOf(state, target);
                for (int y = 10; y < CardHeight - 10; ++y) { // a slant crosses every stroke
                    const QPoint at(10 + y * 2 / 3, y);
                    QCOMPARE(shown.pixel(corner + at), face.pixel(at));
                }
                QCOMPARE(board.Controls().WordList->geometry(), QRect(1032 - 155, 0, 155, 300));
            } else {
                QVERIFY(qAbs(scale - 1.7) < 0.001);
            }
            LayWord(board, {target, CardOnColumn(state, 5)});
            QCOMPARE(state.WordCards.Count(), 2);
        }
        const GameState& atOne = games[0]->Open().State();
        const GameState& atLarger = games[1]->Open().State();
        QCOMPARE(atLarger.WordCards, atOne.WordCards);
        for (int i = 1; i <= atOne.LastCardIndex(); ++i) {
            QCOMPARE(PlaceOf(atLarger, i), PlaceOf(atOne, i));
            QCOMPARE(atLarger.Card(i).Tag, atOne.Card(i).Tag);
        }
    }

    // A word of fifteen cards, laid from cards left face up as Hard leaves them, shrinks the board
    // until it stands whole above the status bar; the next game is at the design's scale again.
    void aLongWordMakesRoomForItself() {
        TestGame game(12);
        GameBoard& board = game.Deal();
        board.resize(DesignBoardUnits + (board.size() - board.Board().size()));
        QTRY_COMPARE(board.Board().size(), DesignBoardUnits);
        auto& state = const_cast<GameState&>(board.State());
        std::vector<int> word{CardOnColumn(state, 4)};
        for (int i = 1; word.size() < 15; ++i) {
            CardRecord& card = state.Card(i);
            if (card.Tag == CardTag::Pack) { // in two rows clear of column 4
                const auto k = static_cast<int>(word.size() - 1);
                card.Tag = CardTag::Table;
                card.Left = static_cast<float>(95 * (k % 7) + (k % 7 > 3 ? 290 : 0));
                card.Top = k < 7 ? 370.0F : 560.0F;
                card.Visible = true;
                word.push_back(i);
            }
        }
        LayWord(board, word);
        QCOMPARE(state.WordCards.Count(), 15);
        const BoardScale& scale = board.Board().Scale();
        QVERIFY(scale.Factor() < 1);
        QVERIFY(scale.ToPixels(QPointF(PlaceOf(state, word.back()) + QPoint(0, CardHeight))).y() <=
                board.Controls().StatusBar->geometry().top());
        board.NewGame_Click();
        QCOMPARE(board.Board().Scale().Factor(), 1.0);
    }
};

LEXABIT_UI_TEST_MAIN(BoardScaleTest)
#include "BoardScale_test.moc"
