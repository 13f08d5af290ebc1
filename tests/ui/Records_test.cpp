#include "UiTestSupport.h"

#include <QDir>
#include <QHeaderView>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

enum class Confirmation { EnterKey, KeypadEnter, Button };

const QString ScoreFile = QStringLiteral("highscore/highscore.dat");

QByteArray Entry(const QByteArray& name, const char* points) {
    return name + "\r\n" + points + "\r\n0:12\r\n3\r\nEasy\r\nGood\r\n";
}

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.topLevelItem(row)->text(column);
    }
    return texts;
}

// A game with a word scored, ended from the menu: the rating answered, the name dialog waits.
struct EndedGame {
    EndedGame() {
        // The missed words not shown: the next game follows the name at once.
        game.Write(QStringLiteral("Settings/MissedWords.txt"), "0\r\n");
        End();
    }

    void End() {
        QTRY_VERIFY(CardOnColumn(board.State(), 2) > 0); // the deal has ended
        LayTwoLetterWord(board);
        board.CheckWordButton_Click();
        score = board.State().TotalScore;
        MessageAnswerer rating;
        Command(board, "EndGame").trigger();
    }

    void Confirm(Confirmation how) {
        if (how == Confirmation::Button) {
            QTest::mouseClick(&Child<QPushButton>(Dialog(), QStringLiteral("Command1")),
                              Qt::LeftButton);
        } else {
            QTest::keyClick(&NameText(),
                            how == Confirmation::EnterKey ? Qt::Key_Return : Qt::Key_Enter,
                            how == Confirmation::EnterKey ? Qt::NoModifier : Qt::KeypadModifier);
        }
    }

    QWidget& Dialog() const { return Child(board, QStringLiteral("Namefrm")); }
    QLineEdit& NameText() const { return Child<QLineEdit>(Dialog(), QStringLiteral("NameText")); }

    TestGame game{70};
    GameBoard& board = game.Deal();
    int score = 0;
};

} // namespace

// The name dialog at a game's end, the commands while it waits, and the high-score window.
class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    // While the dialog waits there is no new game and no time-out, and an empty name is refused
    // with a message. A name given is recorded and the next game starts; at its end the dialog
    // offers the name again, and Enter goes to the name box though Ok was clicked.
    void anEmptyNameIsRefusedAndAConfirmedNameIsRecorded() {
        const struct {
            QString part;
            Confirmation how;
            QString refusalTitle;
            QString name;
        } cases[] = {
            {"Enter key", Confirmation::EnterKey, "Lexabit", "Ann Lee "},
            {"keypad Enter", Confirmation::KeypadEnter, "Lexabit", "Ann Lee "},
            {"Ok button, blanks only", Confirmation::Button, "Lexabit Solitaire", "  "},
        };
        for (const auto& [part, how, refusalTitle, name] : cases) {
            const TestPart trace{part};
            EndedGame ended;
            QVERIFY(ended.Dialog().isVisible() && !ended.Dialog().isModal());
            {
                MessageAnswerer refusal;
                QVERIFY(!Command(ended.board, "NewGame").isEnabled());
                ended.board.NewGame_Click();
                ended.game.clock.now += std::chrono::seconds(61);
                ended.board.TickClocks();
                QVERIFY(refusal.texts.isEmpty());
                ended.Confirm(how);
                QCOMPARE(refusal.titles, QStringList{refusalTitle});
                QCOMPARE(refusal.texts, QStringList{QStringLiteral("Please enter your name.")});
                QVERIFY(ended.Dialog().isVisible());
                QVERIFY(RecordedScores(ended.board).empty());
                QCOMPARE(ended.board.State().TotalScore, ended.score); // no new game
            }

            ended.NameText().setText(name);
            MessageAnswerer messages;
            ended.Confirm(how);
            QVERIFY(messages.texts.isEmpty());
            QVERIFY(!ended.Dialog().isVisible());
            const ScoreTable recorded = RecordedScores(ended.board);
            QCOMPARE(recorded.size(), std::size_t{1});
            QVERIFY(ended.game.Read(ScoreFile).startsWith(name.toLatin1() + "\r\n"));
            QCOMPARE(std::stoi(recorded[0].Points), ended.score); // recorded before the new game
            QCOMPARE(ended.board.State().TotalScore, 0);
            QVERIFY(Command(ended.board, "NewGame").isEnabled());
            ended.End();
            QCOMPARE(ended.NameText().text(), name);
            QCOMPARE(ended.Dialog().focusWidget(), &ended.NameText());
            QTest::keyClicks(ended.Dialog().focusWidget(), QStringLiteral("Bo")); // replaces it
            QTest::keyClick(ended.Dialog().focusWidget(), Qt::Key_Return);
            QCOMPARE(ended.board.State().PlayerName, std::string("Bo"));
        }
    }

    // The message stands over the board, the dialog gone, and the next game starts anyway.
    void aFailedWriteIsReportedAndTheNextGameStillStarts() {
        EndedGame ended;
        QVERIFY(QDir(ended.game.Path(QStringLiteral("highscore"))).removeRecursively());
        ended.game.Write(QStringLiteral("highscore"), {}); // no folder can be made
        ended.NameText().setText(QStringLiteral("Ann"));
        bool visibleDuringMessage = true;
        MessageAnswerer messages;
        messages.whileShown = [&] { visibleDuringMessage = ended.Dialog().isVisible(); };
        ended.Confirm(Confirmation::Button);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(!visibleDuringMessage);
        QCOMPARE(ended.board.State().TotalScore, 0);
    }

    // The window reads the file again as it opens and shows it best first, and a click on a
    // column header does not sort it by text; an unreadable file is reported over an empty list.
    void theHighScoreWindowReadsTheFileAsItOpens() {
        for (const bool readable : {true, false}) {
            const TestPart trace{readable ? "best first" : "unreadable"};
            TestGame game(71);
            GameBoard& board = game.Deal();
            QFile::remove(game.Path(ScoreFile));
            readable ? game.Write(ScoreFile,
                                  Entry("Bo", "999") + Entry("Cy", "  7") + Entry("Al", "1234"))
                     : void(QDir().mkpath(game.Path(ScoreFile)));
            MessageAnswerer messages;
            Command(board, "Highscore").trigger();
            auto& list = Child<QTreeWidget>(board, QStringLiteral("HighScoreList"));
            QVERIFY(list.isVisible());
            QCOMPARE(messages.texts.size(), readable ? 0 : 1);
            QCOMPARE(messages.texts.filter(QStringLiteral("highscore.dat")), messages.texts);
            QCOMPARE(Column(list, 0), readable ? QStringList({"Al", "Bo", "Cy"}) : QStringList());
            QHeaderView* header = list.header();
            const QPoint points(header->sectionViewportPosition(1) + 10, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
            QCOMPARE(Column(list, 1),
                     readable ? QStringList({"1234", "999", "  7"}) : QStringList());
        }
    }
};

LEXABIT_UI_TEST_MAIN(RecordsTest)
#include "Records_test.moc"
