#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/Alphabet.h"
#include "game/BoardLayout.h"

#include <QAction>
#include <QLabel>

using namespace lexabit;

// Plays with the mouse as a player does: press on a card, move it in several steps
// and let go, then reads the word display.
class DraggingTest : public QObject {
    Q_OBJECT

private:
    static QString Letter(const GameState& state, int index) {
        return QString::fromStdString(state.Card(index).DataField);
    }

    static int Value(const GameState& state, int index) {
        return LetterValue(state.Card(index).DataField);
    }

private slots:
    void buildsAThreeLetterWordAndTakesItsLastCardOff() {
        GameBoard board(uitest::TestServices(21));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        const GameState& state = board.State();
        auto* word = board.findChild<QLabel*>(QStringLiteral("WordLabel"));
        auto* points = board.findChild<QLabel*>(QStringLiteral("PointsLabel"));

        const int first = uitest::CardOnColumn(state, 1);
        const int second = uitest::CardOnColumn(state, 2);
        const int third = uitest::CardOnColumn(state, 3);
        QVERIFY(first > 0 && second > 0 && third > 0);
        const QPoint firstPlace(static_cast<int>(state.Card(first).Left),
                                static_cast<int>(state.Card(first).Top));

        // A table card dropped onto another starts a word below it.
        uitest::DragCard(board, second, firstPlace + QPoint(8, 5));
        QCOMPARE(state.WordCards.Count(), 2);
        QCOMPARE(state.Card(second).Left, state.Card(first).Left);
        QCOMPARE(state.Card(second).Top, state.Card(first).Top + 30);
        QCOMPARE(word->text(), Letter(state, first) + Letter(state, second));
        const int twoPoints = Value(state, first) + Value(state, second);
        QCOMPARE(points->text(), QStringLiteral(" %1 Points").arg(twoPoints));

        // One dropped onto the word joins its end.
        uitest::DragCard(board, third, firstPlace + QPoint(-6, 12));
        QCOMPARE(state.WordCards.Count(), 3);
        QCOMPARE(state.Card(third).Top, state.Card(first).Top + 60);
        const QString threeLetters =
            Letter(state, first) + Letter(state, second) + Letter(state, third);
        QCOMPARE(word->text(), threeLetters);
        QCOMPARE(points->text(), QStringLiteral(" %1 Points").arg(twoPoints + Value(state, third)));

        // The last card taken off onto the empty third column leaves the word.
        const ColumnTop column3 = ColumnPosition(state, 3);
        uitest::DragCard(board, third, QPoint(column3.Left + 3, column3.Top + 2));
        QCOMPARE(state.Card(third).Tag, CardTag::Table);
        QCOMPARE(state.Card(third).Left, static_cast<float>(column3.Left));
        QCOMPARE(state.Card(third).Top, static_cast<float>(column3.Top));
        QCOMPARE(word->text(), Letter(state, first) + Letter(state, second));
        QCOMPARE(points->text(), QStringLiteral(" %1 Points").arg(twoPoints));
    }

    void aCardLetGoFarFromEveryOtherGoesBack() {
        GameBoard board(uitest::TestServices(22));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        const GameState& state = board.State();
        const int card = uitest::CardOnColumn(state, 4);
        const float left = state.Card(card).Left;
        const float top = state.Card(card).Top;
        uitest::DragCard(board, card, QPoint(static_cast<int>(left), static_cast<int>(top) + 250));
        QCOMPARE(state.Card(card).Left, left);
        QCOMPARE(state.Card(card).Top, top);
        QVERIFY(state.WordCards.empty());
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("PointsLabel"))->text(),
                 QStringLiteral(" 0 Points"));
    }

    void dropsPlayTheirSoundOnlyWhileSoundIsOn() {
        GameServices services = uitest::TestServices(24);
        auto* sound = static_cast<uitest::RecordingSound*>(services.Sound.get());
        GameBoard board(std::move(services));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        // The opening deal plays one synchronous sound for each of the seven cards.
        QCOMPARE(sound->played.size(), 7);
        QVERIFY(sound->played.first().endsWith(QStringLiteral("/sounds/Draw.wav")));
        QVERIFY(sound->synchronousFlags.first());
        sound->played.clear();
        const GameState& state = board.State();
        const int first = uitest::CardOnColumn(state, 1);
        const auto placeOf = [&state](int index) {
            return QPoint(static_cast<int>(state.Card(index).Left),
                          static_cast<int>(state.Card(index).Top));
        };
        uitest::DragCard(board, uitest::CardOnColumn(state, 2), placeOf(first));
        QCOMPARE(sound->played.size(), 1);
        QVERIFY(sound->played.value(0).endsWith(QStringLiteral("/sounds/turn.wav")));
        QVERIFY(!sound->synchronousFlags.last());

        board.Menus().SoundOnOff->trigger(); // "Sound On" unchecked
        QVERIFY(!board.Menus().SoundOnOff->isChecked());
        sound->played.clear();
        uitest::DragCard(board, uitest::CardOnColumn(state, 3), placeOf(first));
        QCOMPARE(state.WordCards.Count(), 3);
        QVERIFY(sound->played.isEmpty());
        board.Menus().SoundOnOff->trigger();
        QVERIFY(board.Menus().SoundOnOff->isChecked());
    }

    void undoPutsADraggedCardBack() {
        GameBoard board(uitest::TestServices(23));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        const GameState& state = board.State();
        const int first = uitest::CardOnColumn(state, 5);
        const int second = uitest::CardOnColumn(state, 6);
        const float secondLeft = state.Card(second).Left;
        uitest::DragCard(board, second,
                         QPoint(static_cast<int>(state.Card(first).Left),
                                static_cast<int>(state.Card(first).Top)));
        QCOMPARE(state.WordCards.Count(), 2);
        QTest::keyClick(&board, Qt::Key_F4);
        QVERIFY(state.WordCards.empty());
        QCOMPARE(state.Card(second).Tag, CardTag::Table);
        QCOMPARE(state.Card(second).Left, secondLeft);
        QCOMPARE(state.Card(first).Tag, CardTag::Table);
        // The labels show what the cards now spell: no word.
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text(), QString());
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("PointsLabel"))->text(),
                 QStringLiteral(" 0 Points"));
    }

    void theCardThatWouldTakeTheDropIsOutlinedWhileTheCardIsHeld() {
        GameBoard board(uitest::TestServices(24));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        board.Form_Activate();
        const GameState& state = board.State();
        const int target = uitest::CardOnColumn(state, 1);
        const int held = uitest::CardOnColumn(state, 2);
        const QPoint targetCorner(static_cast<int>(state.Card(target).Left),
                                  static_cast<int>(state.Card(target).Top));
        const QPoint besideTarget = targetCorner + QPoint(-3, 60); // where the ring runs
        const QColor ring = board.Board().palette().color(QPalette::Highlight);
        const auto colourBeside = [&] {
            return board.Board().grab().toImage().pixelColor(besideTarget);
        };
        QVERIFY(colourBeside() != ring);

        const QPoint grip(40, 60);
        const QPoint from = QPoint(static_cast<int>(state.Card(held).Left),
                                   static_cast<int>(state.Card(held).Top)) +
                            grip;
        QWidget* surface = &board.Board();
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(surface, targetCorner + QPoint(8, 5) + grip);
        QCOMPARE(colourBeside(), ring);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, targetCorner + grip);
        QCOMPARE(state.WordCards.Count(), 2);
        QVERIFY(colourBeside() != ring);
    }
};

LEXABIT_UI_TEST_MAIN(DraggingTest)
#include "Dragging_test.moc"
