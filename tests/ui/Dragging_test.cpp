#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "game/model/Alphabet.h"
#include "game/model/BoardLayout.h"

#include <QAction>
#include <QLabel>

using namespace lexabit;

// Plays with the mouse as a player does: press on a card, move it in several steps
// and let go, then reads the word display.
class DraggingTest : public QObject {
    Q_OBJECT

private slots:
    void buildsAThreeLetterWordAndTakesItsLastCardOff() {
        GameBoard board(uitest::TestServices(21));
        uitest::ShowAndDeal(board);
        const GameState& state = board.State();
        const auto word = [&board] {
            return board.findChild<QLabel*>(QStringLiteral("WordLabel"))->text() + u'|' +
                   board.findChild<QLabel*>(QStringLiteral("PointsLabel"))->text();
        };
        const auto spelt = [&state](std::initializer_list<int> cards) {
            QString letters;
            int points = 0;
            for (const int card : cards) {
                letters += QString::fromStdString(state.Card(card).DataField);
                points += LetterValue(state.Card(card).DataField);
            }
            return letters + QStringLiteral("| %1 Points").arg(points);
        };
        const int first = uitest::CardOnColumn(state, 1);
        const int second = uitest::CardOnColumn(state, 2);
        const int third = uitest::CardOnColumn(state, 3);
        const QPoint firstPlace = uitest::PlaceOf(state, first);

        // A table card dropped onto another starts a word below it; one dropped onto the
        // word joins its end.
        uitest::DragCard(board, second, firstPlace + QPoint(8, 5));
        QCOMPARE(uitest::PlaceOf(state, second), firstPlace + QPoint(0, 30));
        QCOMPARE(word(), spelt({first, second}));
        uitest::DragCard(board, third, firstPlace + QPoint(-6, 12));
        QCOMPARE(uitest::PlaceOf(state, third), firstPlace + QPoint(0, 60));
        QCOMPARE(word(), spelt({first, second, third}));

        // The last card taken off onto the empty third column leaves the word.
        const ColumnTop column3 = ColumnPosition(state, 3);
        uitest::DragCard(board, third, QPoint(column3.Left + 3, column3.Top + 2));
        QCOMPARE(uitest::CardOnColumn(state, 3), third); // a table card, exactly on its place
        QCOMPARE(word(), spelt({first, second}));
    }

    void dropsPlayTheirSoundOnlyWhileSoundIsOn() {
        GameServices services = uitest::TestServices(24);
        auto* sound = static_cast<uitest::RecordingSound*>(services.Sound.get());
        GameBoard board(std::move(services));
        uitest::ShowAndDeal(board);
        // The opening deal plays one synchronous sound for each of the seven cards.
        QCOMPARE(sound->played.size(), 7);
        QVERIFY(sound->played.first().endsWith(QStringLiteral("/sounds/Draw.wav")));
        QVERIFY(sound->synchronousFlags.first());
        sound->played.clear();
        const GameState& state = board.State();
        const int first = uitest::LayTwoLetterWord(board).first;
        QCOMPARE(sound->played.size(), 1);
        QVERIFY(sound->played.value(0).endsWith(QStringLiteral("/sounds/turn.wav")));
        QVERIFY(!sound->synchronousFlags.last());

        board.Menus().SoundOnOff->trigger(); // "Sound On" unchecked
        QVERIFY(!board.Menus().SoundOnOff->isChecked());
        sound->played.clear();
        uitest::DragCard(board, uitest::CardOnColumn(state, 3), uitest::PlaceOf(state, first));
        QCOMPARE(state.WordCards.Count(), 3);
        QVERIFY(sound->played.isEmpty());
    }

    void theCardThatWouldTakeTheDropIsOutlinedWhileTheCardIsHeld() {
        GameBoard board(uitest::TestServices(24));
        uitest::ShowAndDeal(board);
        const GameState& state = board.State();
        const int held = uitest::CardOnColumn(state, 2);
        const QPoint targetCorner = uitest::PlaceOf(state, uitest::CardOnColumn(state, 1));
        const QPoint besideTarget = targetCorner + QPoint(-3, 60); // where the ring runs
        const QColor ring = board.Board().palette().color(QPalette::Highlight);
        const auto colourBeside = [&] {
            return board.Board().grab().toImage().pixelColor(besideTarget);
        };
        QVERIFY(colourBeside() != ring);

        const QPoint grip(40, 60);
        QWidget* surface = &board.Board();
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier,
                          uitest::PlaceOf(state, held) + grip);
        QTest::mouseMove(surface, targetCorner + QPoint(8, 5) + grip);
        QCOMPARE(colourBeside(), ring);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, targetCorner + grip);
        QCOMPARE(state.WordCards.Count(), 2);
        QVERIFY(colourBeside() != ring);
    }
};

LEXABIT_UI_TEST_MAIN(DraggingTest)
#include "Dragging_test.moc"
