#include "UiTestSupport.h"
#include "game/play/NumberedDeal.h"
#include "records/MissedWordsWindow.h"
#include "ui/GameText.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

const QString KeptFile = QStringLiteral("KeptGame/KeptGame.txt");
const QString Abandon = QStringLiteral("Abandon this game?");

void LayAWord(GameBoard& board) {
    QTRY_VERIFY(CardOnColumn(board.State(), 2) > 0);
    LayTwoLetterWord(board);
    board.CheckWordButton_Click();
    QCOMPARE(board.State().WordsFound.size(), std::size_t{1});
}

} // namespace

// A game that waits for its player: asked before it is abandoned, kept at Exit and offered at
// the next start, its missed words shown over the ended table.
class KeepingTest : public QObject {
    Q_OBJECT

private slots:
    void aGameWithAWordIsAskedAboutAndKeptAtExit() {
        for (const auto& [part, command, answer, dontAskAgain] :
             {std::tuple{"New Game, No", "NewGame", QMessageBox::No, false},
              std::tuple{"End Game, Yes, don't ask again", "EndGame", QMessageBox::Yes, true}}) {
            const TestPart trace{part};
            TestGame game(81);
            GameBoard& board = game.Deal();
            LayAWord(board);
            MessageAnswerer messages(QStringLiteral("Al"), answer);
            messages.whileShown = [tick = dontAskAgain] {
                for (auto* box : QApplication::activeModalWidget()->findChildren<QCheckBox*>()) {
                    box->setChecked(tick);
                }
            };
            Command(board, command).trigger();
            QCOMPARE(messages.texts.value(0), Abandon);
            QCOMPARE(board.State().Phase == GamePhase::Playing, answer == QMessageBox::No);
            QCOMPARE(Command(board, "AskBeforeAbandoning").isChecked(), !dontAskAgain);
            QCOMPARE(game.Read(QStringLiteral("Settings/AskBeforeAbandoning.txt")),
                     dontAskAgain ? QByteArray("0\r\n") : QByteArray());
            if (answer == QMessageBox::Yes) {
                // The name given, the missed words show over the ended table until closed.
                QTRY_VERIFY(board.OpenMissedWords() != nullptr);
                QCOMPARE(board.OpenMissedWords()->windowTitle(), "Words You Missed");
                QVERIFY(board.State().WordsFound.size() == 1 &&
                        !Command(board, "EndGame").isEnabled());
                board.OpenMissedWords()->close();
                QTRY_COMPARE(board.State().Phase, GamePhase::Playing);
                QCOMPARE(board.State().TotalScore, 0);
                LayAWord(board);
                messages.texts.clear();
                Command(board, "NewGame").trigger(); // not asked again
                QCOMPARE(messages.texts, QStringList{});
                continue;
            }
            board.close(); // kept, as it stands, without a question
            QCOMPARE(messages.texts, QStringList{Abandon});
        }
    }

    // At the next start: Yes resumes the game with its clocks where they stood, No deals a new
    // one; either way the file goes. A damaged file is told of and set aside, unharmed.
    void theGameLeftIsOfferedAtTheNextStart() {
        TestGame left(82);
        GameBoard& leftBoard = left.Deal();
        LayAWord(leftBoard);
        left.clock.now += std::chrono::seconds(75);
        leftBoard.TickClocks();
        const GameState before = leftBoard.State();
        leftBoard.close();
        const QByteArray kept = left.Read(KeptFile);
        const QByteArray damaged = kept.left(kept.size() / 2);

        for (const auto& [part, file, answer] :
             {std::tuple{"resumed", kept, QMessageBox::Yes},
              std::tuple{"declined", kept, QMessageBox::No},
              std::tuple{"damaged", damaged, QMessageBox::Yes}}) {
            const TestPart trace{part};
            TestGame game(83);
            game.clock.now = left.clock.now + std::chrono::hours(5);
            QDir().mkpath(game.Path(QStringLiteral("KeptGame")));
            game.Write(KeptFile, file);
            MessageAnswerer messages({}, answer);
            GameBoard& board = game.Deal();
            board.TickClocks();
            const GameState& state = board.State();
            const bool resumed = file == kept && answer == QMessageBox::Yes;
            QCOMPARE(messages.texts.size(), 1);
            QCOMPARE(messages.texts[0] == "Resume the game you left?", file == kept);
            QCOMPARE(state.TotalScore, resumed ? before.TotalScore : 0);
            QVERIFY(!resumed ||
                    (state.Pack == before.Pack && state.WordsFound == before.WordsFound &&
                     state.Clocks.PlayingTime == before.Clocks.PlayingTime &&
                     state.Deal == before.Deal &&
                     Child<QLabel>(board, "DealPanel").text() == Text(DealPanelText(before))));
            QVERIFY(!QFile::exists(game.Path(KeptFile)));
            QCOMPARE(game.Read(KeptFile + QStringLiteral(".damaged")),
                     file == kept ? QByteArray() : damaged);
        }
    }
};

LEXABIT_UI_TEST_MAIN(KeepingTest)
#include "Keeping_test.moc"
