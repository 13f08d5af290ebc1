#include "UiTestSupport.h"
#include "board/window/GameWindows.h"
#include "game/model/Alphabet.h"
#include "game/play/CardDrop.h"
#include "game/play/KeyboardMoves.h"
#include "game/scoring/ScoreTexts.h"
#include "records/MissedWordsWindow.h"
#include "ui/GameText.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLayout>
#include <map>

using namespace lexabit;
using namespace lexabit::uitest;

// The main window played by mouse and keys: what it shows and plays, hints, endings, the keys.
class GameBoardTest : public QObject {
    Q_OBJECT

private slots:
    // The panels, word display, hint notice, word list and sounds at each moment on each level:
    // a new game keeps nothing of the last (a hint, a word laid, a score, a running word timer).
    void whatTheBoardShowsAndPlaysAtEachMoment() {
        TestGame game(4);
        QStringList& heard = game.sounds.heard;
        GameBoard& board = game.Open();
        GameState& state = board.State();
        const auto text = [&](const QString& name) { return LabelText(board, name); };
        const QTreeWidget& wordList = Child<QTreeWidget>(board, "WordList");
        board.show();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        board.Form_Activate(); // the activation has dealt; another does not
        const QStringList deal(7, QStringLiteral("Draw.wav waited")); // a card to each column
        QCOMPARE(heard, deal); // one deal at the first activation
        DealOnly(board, "ABDEIMNOST", Level::Hard);
        QTest::keyClick(&board, Qt::Key_H, Qt::ControlModifier);
        LayTwoLetterWord(board);
        board.CheckWordButton_Click();
        LayTwoLetterWord(board);
        QVERIFY(Shown(board, "HintNotice"));
        game.clock.now += std::chrono::seconds(30);
        board.TickClocks();
        for (const auto& [part, level, soundOn, wordTimer] : // panel 5 of a new game
             {std::tuple{"Very Easy, after Hard", Level::VeryEasy, true, "Timer Off"},
              {"Easy", Level::Easy, true, "Word Timer:  2: 60"},
              {"Hard, sound off", Level::Hard, false, "Word Timer:  0: 60"}}) {
            const TestPart trace{part};
            Command(board, "SoundOnOff").setChecked(soundOn);
            heard.clear();
            DealOnly(board, "ABDEIMNOST", level);
            QCOMPARE(heard, soundOn ? deal : QStringList());
            const QStringList fresh = {"Total Score:  0", "Total Number of Words:  0",
                                       "Total Playing Time:  0: 0: 0", " Number of Cards Left:  10",
                                       wordTimer};
            for (int panel = 1; panel <= 5; ++panel) {
                QCOMPARE(text(QStringLiteral("Panel%1").arg(panel)), fresh[panel - 1]);
            }
            QCOMPARE(text("WordLabel") + text("PointsLabel"), QString());
            QVERIFY(!Shown(board, "HintNotice"));
            QCOMPARE(wordList.topLevelItemCount(), 0);

            // A word laid shows its letters and points; the top card is the one picked up.
            const int first = CardOnColumn(state, 1);
            const int second = CardOnColumn(state, 2);
            heard.clear();
            LayTwoLetterWord(board);
            QCOMPARE(heard, soundOn ? QStringList{"turn.wav not waited"} : QStringList());
            const char a = state.Card(first).Letter;
            const char b = state.Card(second).Letter;
            QCOMPARE(text("WordLabel"), LetterText(a) + LetterText(b));
            QCOMPARE(text("PointsLabel"),
                     QStringLiteral(" %1 Points").arg(LetterValue(a) + LetterValue(b)));
            const QPoint firstPlace = PlaceOf(state, first);
            const QPoint grip = PlaceOf(state, second) + QPoint(40, 30);
            QTest::mousePress(&board.Board(), Qt::LeftButton, Qt::NoModifier, grip);
            QTest::mouseMove(&board.Board(), grip + QPoint(0, 200));
            QCOMPARE(PlaceOf(state, first), firstPlace);
            QTest::mouseMove(&board.Board(), grip);
            QTest::mouseRelease(&board.Board(), Qt::LeftButton, Qt::NoModifier, grip);

            // Checked, the newest word heads the list and the panels count it.
            QTest::keyClick(&board.Board(), Qt::Key_K, Qt::ControlModifier);
            LayWord(board, {CardOnColumn(state, 3), CardOnColumn(state, 4)});
            const QString newest = text("WordLabel");
            QTest::keyClick(&board.Board(), Qt::Key_Space);
            QCOMPARE(wordList.topLevelItemCount(), 2);
            QCOMPARE(wordList.topLevelItem(0)->text(0), newest);
            QCOMPARE(text("Panel2"), QStringLiteral("Total Number of Words:  2"));
            QCOMPARE(text("Panel4"), Text(CardsLeftPanel(CardsLeft(state))));
            QCOMPARE(text("Panel1"), QStringLiteral("Total Score:  %1").arg(state.TotalScore));
            QCOMPARE(text("WordLabel") + text("PointsLabel"), QString());
        }

        // A command's key checks no word, even while the command is unavailable.
        LayTwoLetterWord(board);
        Command(board, "Undo").setEnabled(false);
        for (const QKeyCombination key :
             {QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::ControlModifier, Qt::Key_Z)}) {
            QTest::keyClick(&board.Board(), key.key(), key.keyboardModifiers());
            QCOMPARE(state.WordCards.Count(), 2);
        }
    }

    // A shuffle forgets the move to undo: the cards have changed places.
    void aShuffleForgetsTheMoveToUndo() {
        TestGame game(46);
        GameBoard& board = game.Deal();
        DealOnly(board, "ABDEIMNOST", Level::VeryEasy);
        LayTwoLetterWord(board);
        QTest::keySequence(&board.Board(), QKeySequence(QStringLiteral("F4, F3"))); // undone
        const std::vector<int> shuffled = ColumnCards(board.State());
        QTest::keyClick(&board.Board(), Qt::Key_F4);
        QCOMPARE(ColumnCards(board.State()), shuffled);
    }

    // No widget, window or helper outlives the game it refers to; the clock, held by the board's
    // first member, stands for the game.
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
                const QString what = child->metaObject()->className() + (' ' + child->objectName());
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

    // Ctrl+H outlines the best word's cards for a while; the notice tells its cost, charged once.
    void aHintAndTheMissedWords() {
        TestGame game(52, {"ZA", "TEA", "AT", "ES"});
        GameBoard& board = game.Deal();
        DealOnly(board, "ATESZ");
        const GameState& state = board.State();
        const QPoint byZ = PlaceOf(state, CardOf(state, 'Z')) + QPoint(-5, 60);
        const auto colourByZ = [&] { return board.Board().grab().toImage().pixelColor(byZ); };
        const QColor unlit = colourByZ();

        QTest::keyClick(&board, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(colourByZ() != unlit);
        QCOMPARE(LabelText(board, "HintNotice"), QStringLiteral("Hints: 11 off at the next word"));
        QTRY_VERIFY_WITH_TIMEOUT(state.HintedCards.empty(), 4000);
        QCOMPARE(colourByZ(), unlit);
        QTest::keyClick(&board, Qt::Key_H, Qt::ControlModifier); // asked again, charged once
        const std::vector<int> hinted = state.HintedCards;
        LayWord(board, hinted);
        board.CheckWordButton_Click();
        QCOMPARE(LabelText(board, "HintNotice"), QStringLiteral("Hints took 11 off"));

        // At the game's end the missed words open after the name, and their choice is kept.
        MessageAnswerer answerer(QStringLiteral("Di"));
        QTest::keyClick(&board, Qt::Key_F7);
        QTRY_VERIFY(board.OpenMissedWords() != nullptr && board.OpenMissedWords()->isVisible());
        QCOMPARE(board.State().PlayerName, std::string("Di"));

        MissedWordsWindow& missed = *board.OpenMissedWords();
        QVERIFY(Child<QTreeWidget>(missed, "MissedWordsList").topLevelItemCount() > 0);
        Child<QCheckBox>(missed, "ShowAfterEveryGame").click(); // unchecked
        QCOMPARE(game.Read(QStringLiteral("Settings/MissedWords.txt")), QByteArray("0\r\n"));
        QTest::keyClick(&missed, Qt::Key_Escape);
        QTRY_VERIFY(board.OpenMissedWords() == nullptr);

        QTest::keyClick(&board, Qt::Key_F7);
        QTRY_VERIFY(!Shown(board, "Namefrm"));
        QTest::qWait(50);
        QVERIFY(board.OpenMissedWords() == nullptr);
    }

    void aStuckGameAsksAndATimeOutClosesTheQuestion() {
        TestGame game(53, {"AT"});
        GameBoard& board = game.Deal();
        GameState& state = board.State();
        const QString stuck = QStringLiteral("No more words can be laid. End the game?");
        for (const auto answer : {QMessageBox::No, QMessageBox::NoButton}) { // Enter: Yes
            const TestPart trace{answer == QMessageBox::No ? "No" : "Enter"};
            DealOnly(board, "ATV", Level::VeryEasy);
            MessageAnswerer answers(QStringLiteral("Ed"), answer);
            LayWord(board, {CardOf(state, 'A'), CardOf(state, 'T')});
            board.CheckWordButton_Click();
            QCOMPARE(answers.texts.value(0), stuck);
            if (answer == QMessageBox::No) { // the game goes on
                QCOMPARE(answers.texts.size(), 1);
                QCOMPARE(state.Card(CardOf(state, 'V')).Tag, CardTag::Table);
            } else { // the rating, then the name
                QTRY_COMPARE(state.PlayerName, std::string("Ed"));
                QCOMPARE(answers.texts.size(), 2);
            }
        }

        // The word timer running out while the question stands closes it.
        DealOnly(board, "ATV", Level::Hard);
        bool timedOut = false;
        QStringList leftOver; // boxes still standing once the game has ended
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && timedOut) {
                leftOver << box->text();
                box->done(QMessageBox::No);
            } else if (box != nullptr) { // the word timer runs out while the question stands
                timedOut = true;
                const MessageAnswerer answerer;
                game.clock.now += std::chrono::minutes(2);
                board.TickClocks();
            }
        });
        watcher.start(5);
        LayWord(board, {CardOf(state, 'A'), CardOf(state, 'T')});
        board.CheckWordButton_Click();
        QVERIFY(timedOut);
        QCOMPARE(leftOver, QStringList{});
        QVERIFY(Shown(board, "Namefrm"));
    }

    void keysPlayByTheMouseRules() {
        const std::map<QChar, Qt::Key> keyOf{{u'<', Qt::Key_Left},  {u'>', Qt::Key_Right},
                                             {u'^', Qt::Key_Up},    {u'v', Qt::Key_Down},
                                             {u'_', Qt::Key_Space}, {u'x', Qt::Key_Escape},
                                             {u'=', Qt::Key_Return}};
        // Keyboard play on, the keys pressed, the word made of the cards dealt to these columns,
        // the focused card's name ({n}: the letter and points of column n's card), words found.
        for (const auto& [on, keys, word, focus, wordsFound] :
             {std::tuple{true, "_>_", "21", "word card 2 of 2, {1}", 0},
              {true, "_>x", "", "{1}, column 1", 0},
              {true, "_>_^_>_", "321", "word card 2 of 3, {2}", 0},
              {true, "_>_^_>_v_>_", "321", "word card 3 of 3, {1}", 0}, // refused, back
              {true, "_>_v_<_", "", "{1}, column 1", 0}, // the last card leaves the word
              {true, "_>_=", "", "empty column 1", 1},
              {true, ">>v__", "", "{3}, column 3", 0}, // down stays in its column
              {false, ">", "", "", 1}}) {              // the word laid by mouse is checked
            const TestPart trace{keys};
            TestGame game(7);
            GameBoard& board = game.Deal();
            DealOnly(board, "ABCDEFG");
            const GameState& state = board.State();
            const std::vector<int> dealt = ColumnCards(state); // the card dealt to each column
            if (on) {
                Command(board, "KeyboardPlay").trigger();
            } else {
                LayWord(board, {dealt[1], dealt[0]});
            }
            QWidget* surface = &board.Board();
            surface->setFocus();
            for (const QChar key : QString::fromLatin1(keys)) {
                QTest::keyClick(surface, keyOf.at(key));
                if (state.Keys.Held && key != u'_') { // the mouse's ring: the focus, or refused
                    const std::optional<int> ring = ReceivingCard(state, *state.Keys.Held);
                    QVERIFY(!ring || ring == FocusedStop(state));
                }
            }
            std::vector<int> cards;
            for (const char column : std::string_view(word)) {
                cards.push_back(dealt.at(static_cast<std::size_t>(column - '1')));
            }
            QCOMPARE(state.WordCards.items(), cards);
            QCOMPARE(static_cast<int>(state.WordsFound.size()), wordsFound);
            QVERIFY(!state.Keys.Held && !state.Drag.Active);
            QString name = QString::fromLatin1(focus);
            for (std::size_t column = 0; column < dealt.size(); ++column) {
                const CardRecord& card = state.Card(dealt[column]);
                const QString points =
                    card.Value == 1 ? "1 point" : QStringLiteral("%1 points").arg(card.Value);
                name.replace(QStringLiteral("{%1}").arg(column + 1),
                             QLatin1Char(card.Letter) + QStringLiteral(", ") + points);
            }
            const auto* focused = QAccessible::queryAccessibleInterface(surface)->focusChild();
            QCOMPARE(focused != nullptr ? focused->text(QAccessible::Name) : QString(), name);
        }
    }
};

LEXABIT_UI_TEST_MAIN(GameBoardTest)
#include "GameBoard_test.moc"
