#include "UiTestSupport.h"
#include "board/table/BoardEffects.h"
#include "records/MissedWordsWindow.h"

#include <QTextStream>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

enum class Moment { Playing, CardHeld, Minimised, Paused, Show, NameAwaited, EndGame, TimedOut };

// Every card's place and tag, the words listed and the score: what a refused command leaves.
QString Table(const GameBoard& board) {
    const GameState& state = board.State();
    QString table;
    QTextStream out(&table);
    for (int i = 1; i <= state.CardsTotal; ++i) {
        const CardRecord& card = state.Card(i);
        out << i << ':' << card.Left << ',' << card.Top << ',' << static_cast<int>(card.Tag) << ' ';
    }
    out << "words " << Child<QTreeWidget>(board, "WordList").topLevelItemCount();
    out << ", score " << state.TotalScore;
    return table;
}

bool NameAwaited(const GameBoard& board) {
    const auto* dialog = board.findChild<QWidget*>(QStringLiteral("Namefrm"));
    return dialog != nullptr && dialog->isVisible();
}

} // namespace

// Where flows meet: a game's end and the name, commands while a card is held or a move runs.
class PlayFlowTest : public QObject {
    Q_OBJECT

private slots:
    // Every command that changes the game (menu entry, key, board control, the level window's Ok)
    // in every state; a refused one changes nothing, and no time runs out. Clocks stand while
    // paused (a minimised window pauses) and once over; New Game follows an ended game.
    void everyGameCommandInEveryState() {
        // Taken: New Game, the board's controls, the level's Ok; the rest only while playing.
        for (const auto& [part, moment, newGame, boardControls, levelOk] :
             {std::tuple{"playing", Moment::Playing, true, true, true},
              {"card held", Moment::CardHeld, false, true, true},
              {"minimised", Moment::Minimised, false, false, false},
              {"paused", Moment::Paused, false, false, false},
              {"game-over show", Moment::Show, false, false, false},
              {"name awaited", Moment::NameAwaited, false, false, false},
              {"ended by End Game, no name", Moment::EndGame, true, false, true},
              {"ended by the word timer, no name", Moment::TimedOut, true, false, true}}) {
            const TestPart trace{part};
            TestGame game(45);
            if (moment == Moment::Show) {
                game.services.Wait = [](std::chrono::microseconds) {}; // the show's frames run
            }
            GameBoard& board = game.Deal();
            DealOnly(board, moment == Moment::Show ? "AT" : "ABDEIMNOST", Level::Hard);
            GameState& state = board.State();
            LayTwoLetterWord(board); // a word to check and a move to undo
            QWidget* surface = &board.Board();
            const auto clocks = [&] {
                return LabelText(board, "Panel3") + LabelText(board, "Panel5");
            };
            const QString clocksBefore = clocks();
            const bool ended = moment == Moment::EndGame || moment == Moment::TimedOut;
            const bool play = moment == Moment::Playing;
            const bool paused = moment == Moment::Minimised || moment == Moment::Paused;
            int checked = 0;
            const auto checkCommands = [&] {
                ++checked;
                QCOMPARE(Child<QTimer>(board, "Timer2").isActive(), moment <= Moment::Paused);
                QCOMPARE(Command(board, "NewGame").isEnabled(), newGame);
                for (const char* command : {"sh", "Undo", "EndGame", "Hint"}) {
                    QVERIFY2(Command(board, command).isEnabled() == play, command);
                }
                QCOMPARE(Command(board, "Pause").isEnabled(), play || paused);
                for (const char* control : {"ShuffleCards", "CheckWordButton"}) {
                    QVERIFY2(Child(board, control).isEnabled() == boardControls, control);
                }
                if (play) {
                    return;
                }
                const QString before = Table(board);
                MessageAnswerer messages;
                // Behind the disabled commands, their handlers refuse as well.
                board.ShuffleSurface(), board.Undo_Click(), board.EndGame_Click(),
                    board.Hint_Click();
                if (!boardControls) { // a click elsewhere would let a held card go
                    QTest::mouseClick(&Child(board, "ShuffleCards"), Qt::LeftButton);
                }
                board.CheckWordButton_Click();
                if (moment != Moment::CardHeld) { // a held card's time can run out
                    LayWord(board, {state.WordCards.empty() ? CardOnColumn(state, 2)
                                                            : state.WordCards.Last(),
                                    CardOnColumn(state, 3)});
                    game.clock.now += std::chrono::minutes(5);
                    board.TickClocks();
                }
                QCOMPARE(Table(board), before);
                QVERIFY(state.HintedCards.empty());
                QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(u'|')));
            };
            if (moment != Moment::Show) {
                Command(board, "Level").trigger();
                board.activateWindow();
            }
            {
                // Answers the rating; closes the name dialog by its frame, but while it waits.
                MessageAnswerer answers(moment == Moment::NameAwaited
                                            ? std::nullopt
                                            : std::optional<QString>(QString{}));
                if (moment == Moment::CardHeld) {
                    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier,
                                      PlaceOf(state, CardOnColumn(state, 3)) + QPoint(40, 60));
                } else if (moment == Moment::Minimised) {
                    board.showMinimized();
                } else if (moment == Moment::Paused) {
                    QTest::keyClick(surface, Qt::Key_Pause);
                } else if (moment == Moment::Show) { // the show runs with the window taking events
                    QTimer inShow;
                    QObject::connect(&inShow, &QTimer::timeout, [&] {
                        if (state.Phase == GamePhase::AwaitingName && !NameAwaited(board) &&
                            checked == 0) {
                            checkCommands();
                        }
                    });
                    inShow.start(0);
                    board.CheckWordButton_Click();
                    QCOMPARE(checked, 1);
                } else if (moment == Moment::NameAwaited || moment == Moment::EndGame) {
                    QTest::keyClick(surface, Qt::Key_F7);
                } else if (moment == Moment::TimedOut) {
                    game.clock.now += std::chrono::seconds(61);
                    board.TickClocks();
                }
                QTRY_COMPARE(NameAwaited(board), moment == Moment::NameAwaited);
            }
            if (moment == Moment::Show) { // the name dialog closed: the controls are back
                QVERIFY(!board.Board().FigVisible());
                QVERIFY(Shown(board, "CheckWordButton"));
                continue;
            }
            if (ended) { // the missed words come and go
                QTRY_VERIFY(board.OpenMissedWords() != nullptr);
                QTest::keyClick(board.OpenMissedWords(), Qt::Key_Escape);
                QTRY_VERIFY(board.OpenMissedWords() == nullptr);
            }
            QCOMPARE(Child(Child(board, "LevelForm"), "Command1").isEnabled(), levelOk);
            checkCommands();

            if (paused) { // shown again, or any key, resumes: a key that checks no word
                QVERIFY(Shown(board, "PauseCover") && Command(board, "Pause").isChecked());
                moment == Moment::Minimised
                    ? board.showNormal()
                    : QTest::keyClick(QApplication::focusWidget(), Qt::Key_A);
                QCOMPARE(state.WordCards.Count(), 2);
                QVERIFY(!Shown(board, "PauseCover") && !Command(board, "Pause").isChecked());
                board.TickClocks();
                QCOMPARE(clocks(), clocksBefore); // the pause is not counted
            } else if (ended) {
                board.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&board));
                QTest::keyClick(surface, Qt::Key_F2);
                QVERIFY(state.WordCards.empty());
                QVERIFY(Command(board, "Undo").isEnabled());
            }
        }
    }

    // A time-out ends the game under a standing message, which leaves the keys to the name dialog,
    // and the name starts the next game with its clocks.
    void theWordTimerEndsTheGameWhileAMessageStands() {
        TestGame game(44, {});
        game.Write(QStringLiteral("Settings/MissedWords.txt"), "0\r\n"); // the next game at once
        GameBoard& board = game.Deal();
        board.ChooseLevel(Level::Hard);
        board.NewGame_Click();
        board.TickClocks();
        // A message standing over the board, which hands it the keys back as X11 does.
        QMessageBox standing(QMessageBox::Information, QStringLiteral("Lexabit Solitaire"),
                             QStringLiteral("Saved."), QMessageBox::Ok, &board);
        QObject::connect(&standing, &QDialog::finished, &board, [&] { board.activateWindow(); });
        QTimer::singleShot(5, [&] {
            game.clock.now += std::chrono::seconds(60);
            MessageAnswerer rating;
            board.TickClocks();
            standing.accept();
        });
        standing.exec();
        QTRY_COMPARE(QApplication::activeWindow(), &Child(board, "Namefrm"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Cy"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(board.State().PlayerName, std::string("Cy"));
        QVERIFY(Child<QTimer>(board, "Timer2").isActive()); // the clocks run
    }

    // A held card goes back before a time-out's message shows or a dialog opens, release taken.
    void aHeldCardGoesBackBeforeAnInterruption() {
        for (const bool timeOut : {true, false}) { // else the colour dialog opens
            const TestPart trace{timeOut ? "word timer runs out" : "colour dialog"};
            TestGame game(62);
            GameBoard& board = game.Deal();
            board.ChooseLevel(Level::Hard);
            board.NewGame_Click();
            const GameState& state = board.State();
            const int held = CardOnColumn(state, 3);
            const QPoint place = PlaceOf(state, held);
            QWidget* surface = &board.Board();
            const QPoint grip = place + QPoint(40, 60);
            const QPoint moved(30, 200);
            QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, grip);
            QTest::mouseMove(surface, grip + moved);
            QTest::keyClick(surface, Qt::Key_A); // checks no word while the card is held
            MessageAnswerer messages;

            QPoint placeDuringInterruption;
            if (timeOut) {
                messages.whileShown = [&] { placeDuringInterruption = PlaceOf(state, held); };
                game.clock.now += std::chrono::seconds(60);
                board.TickClocks();
                QCOMPARE(messages.texts.size(), 1);
                QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, grip + moved);
            } else {
                QTimer::singleShot(50, &board, [&] {
                    placeDuringInterruption = PlaceOf(state, held);
                    QApplication::activeModalWidget()->close();
                });
                Command(board, "BgOptions").trigger();
                QVERIFY(Command(board, "NewGame").isEnabled()); // the drag has ended
            }
            QCOMPARE(placeDuringInterruption, place);
            QCOMPARE(PlaceOf(state, held), place);
            QCOMPARE(state.Card(held).Tag, CardTag::Table);
            QVERIFY(state.WordCards.empty());
        }
    }

    void aResizeDuringTheDealIsLaidOutOnceTheDealHasEnded() {
        TestGame game(64);
        game.services.Wait = PacedWait;
        GameBoard& board = game.Open();
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const QSize wider = board.Board().size() + QSize(100, 90);
        QTimer::singleShot(0, &board, [&board] { board.resize(board.size() + QSize(100, 90)); });
        board.NewGame_Click(); // seven paced glides
        QTRY_COMPARE(board.Board().size(), wider);
        QCOMPARE(std::ranges::count(ColumnCards(board.State()), 0), 0); // no column empty
    }
};

LEXABIT_UI_TEST_MAIN(PlayFlowTest)
#include "PlayFlow_test.moc"
