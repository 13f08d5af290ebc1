#include "UiTestSupport.h"
#include "game/files/StatisticsFile.h"
#include "game/play/NumberedDeal.h"
#include "records/MissedWordsWindow.h"
#include "ui/GameText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QInputDialog>
#include <QTableWidget>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

enum class Confirmation { EnterKey, KeypadEnter, Button };

const QString ScoreFile = QStringLiteral("highscore/highscore.dat");
const QString KeptFile = QStringLiteral("KeptGame/KeptGame.txt");
const QString Abandon = QStringLiteral("Abandon this game?");

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

LevelStatistics Counted(const TestGame& game, Level level) {
    const StatisticsFile file(
        QFile::encodeName(game.Path(QStringLiteral("highscore/statistics.txt"))).toStdString(), {});
    return file.Load().Statistics.For(level);
}

QString PackLetters(const GameState& state) {
    QString letters;
    for (const int card : state.Pack.items()) {
        letters += QLatin1Char(state.Card(card).Letter);
    }
    return letters;
}

// A game with a word scored, ended from the menu: the rating answered, the name dialog waits.
struct EndedGame {
    EndedGame() {
        game.Write(QStringLiteral("Settings/MissedWords.txt"), "0\r\n"); // the next game at once
        End();
    }

    void End() {
        LayAndCheckAWord(board);
        score = board.State().TotalScore;
        MessageAnswerer rating;
        Command(board, "EndGame").trigger();
    }

    void Confirm(Confirmation how) {
        if (how == Confirmation::Button) {
            QTest::mouseClick(&Child<QPushButton>(Dialog(), "Command1"), Qt::LeftButton);
        } else {
            QTest::keyClick(&NameText(),
                            how == Confirmation::EnterKey ? Qt::Key_Return : Qt::Key_Enter,
                            how == Confirmation::EnterKey ? Qt::NoModifier : Qt::KeypadModifier);
        }
    }

    QWidget& Dialog() const { return Child(board, "Namefrm"); }
    QLineEdit& NameText() const { return Child<QLineEdit>(Dialog(), "NameText"); }

    TestGame game{70};
    GameBoard& board = game.Deal();
    int score = 0;
};

} // namespace

// What a game leaves behind: the name and the high scores, the statistics, and the kept game.
class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    // While the dialog waits New Game starts nothing and an empty name is refused; a name given
    // is recorded, the next game starts, and at its end the name is offered again, selected.
    void anEmptyNameIsRefusedAndAConfirmedNameIsRecorded() {
        for (const auto& [part, how, refusalTitle, name] :
             {std::tuple{"Enter key", Confirmation::EnterKey, "Lexabit", QString("Ann Lee ")},
              {"keypad Enter", Confirmation::KeypadEnter, "Lexabit", "Ann Lee "},
              {"Ok button, blanks only", Confirmation::Button, "Lexabit Solitaire", "  "}}) {
            const TestPart trace{part};
            EndedGame ended;
            QVERIFY(ended.Dialog().isVisible() && !ended.Dialog().isModal());
            MessageAnswerer messages;
            ended.board.NewGame_Click();
            QVERIFY(messages.texts.isEmpty());
            ended.Confirm(how);
            QCOMPARE(messages.titles, QStringList{refusalTitle});
            QCOMPARE(messages.texts, QStringList{QStringLiteral("Please enter your name.")});
            QVERIFY(ended.Dialog().isVisible());
            QVERIFY(RecordedScores(ended.board).empty());
            QCOMPARE(ended.board.State().TotalScore, ended.score); // no new game

            ended.NameText().setText(name);
            messages.texts.clear();
            ended.Confirm(how);
            QVERIFY(messages.texts.isEmpty());
            QVERIFY(!ended.Dialog().isVisible());
            const ScoreTable recorded = RecordedScores(ended.board);
            QCOMPARE(recorded.size(), std::size_t{1});
            QVERIFY(ended.game.Read(ScoreFile).startsWith(name.toLatin1() + "\r\n"));
            QCOMPARE(std::stoi(recorded[0].Points), ended.score); // recorded before the new game
            QCOMPARE(ended.board.State().TotalScore, 0);
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

    // Read as it opens, best first, never sorted as text, one level alone; unreadable, reported.
    void theHighScoreWindowReadsTheFileAsItOpens() {
        for (const bool readable : {true, false}) {
            const TestPart trace{readable ? "best first" : "unreadable"};
            TestGame game(71);
            GameBoard& board = game.Deal();
            QFile::remove(game.Path(ScoreFile));
            readable ? game.Write(ScoreFile, Entry("Bo", "999") +
                                                 Entry("Cy", "  7").replace("Easy", "Hard") +
                                                 Entry("Al", "1234"))
                     : void(QDir().mkpath(game.Path(ScoreFile)));
            MessageAnswerer messages;
            Command(board, "Highscore").trigger();
            auto& list = Child<QTreeWidget>(board, "HighScoreList");
            QCOMPARE(messages.texts.size(), readable ? 0 : 1);
            QCOMPARE(messages.texts.filter(QStringLiteral("highscore.dat")), messages.texts);
            QCOMPARE(Column(list, 0), readable ? QStringList({"Al", "Bo", "Cy"}) : QStringList());
            QHeaderView* header = list.header();
            const QPoint points(header->sectionViewportPosition(1) + 10, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
            QCOMPARE(Column(list, 1),
                     readable ? QStringList({"1234", "999", "  7"}) : QStringList());
            Child<QComboBox>(board, "LevelShown").setCurrentIndex(1); // Hard alone, a view only
            QCOMPARE(Column(list, 0), readable ? QStringList{"Cy"} : QStringList());
        }
    }

    // Each road out of a game counts it once, on its own level, and the next game never again.
    void everyRoadOutOfAGameCountsItOnce() {
        using Leave = std::function<void(TestGame&, GameBoard&)>;
        // The road, whether a word was laid, and whether the game counts as scored; each as played.
        const std::tuple<const char*, bool, Leave, long long> roads[] = {
            {"End Game", true, [](auto&, auto& board) { Command(board, "EndGame").trigger(); }, 1},
            {"time-out", false,
             [](auto& game, auto& board) {
                 game.clock.now += std::chrono::minutes(4);
                 board.TickClocks();
             },
             1},
            {"New Game, no word", false, [](auto&, auto& board) { board.NewGame_Click(); }, 0},
            {"another level", true, [](auto&, auto& board) { DealOnly(board, "AB", Level::Hard); },
             1},
            // A game with a word in it is kept at exit, and counted when it ends or is declined.
            {"exit, no word", false, [](auto&, auto& board) { board.close(); }, 0},
        };
        for (const auto& [road, wordLaid, leave, scored] : roads) {
            const TestPart trace{QString::fromLatin1(road)};
            TestGame game(81);
            GameBoard& board = game.Deal();
            if (wordLaid) {
                LayAndCheckAWord(board);
            }
            MessageAnswerer messages;
            leave(game, board);
            const LevelStatistics easy = Counted(game, Level::Easy);
            QCOMPARE(std::tuple(easy.Played, easy.Scored, easy.WordsLaid),
                     std::tuple(1LL, scored, wordLaid ? 1LL : 0LL));
            QCOMPARE(Counted(game, Level::Hard).Played, 0);
        }
    }

    // A deal restarted or chosen by its number is the same pack, on the deal's own letters, and
    // counts as replayed; the statistics window shows a column per level and resets if confirmed.
    void aDealPlayedAgainAndTheStatisticsWindow() {
        TestGame game(83);
        GameBoard& board = game.Deal();
        const std::uint32_t number = board.State().Deal.Number;
        const QString pack = PackLetters(board.State());
        QCOMPARE(LabelText(board, "DealPanel"), QStringLiteral("Deal %1").arg(number));
        LayAndCheckAWord(board);
        const LetterCountTexts dealt = board.NextDealLetters();
        board.SetNextDealLetters({"2"}); // for the next new game: a restart keeps the deal's
        Abandoning([&] { Command(board, "RestartDeal").trigger(); });
        QCOMPARE(PackLetters(board.State()), pack);
        board.SetNextDealLetters(dealt);
        QCOMPARE(LabelText(board, "DealPanel"), QStringLiteral("Deal %1, replayed").arg(number));
        Command(board, "NewGame").trigger();
        QVERIFY(!board.State().Deal.Replayed);
        Command(board, "PlayDealNumber").trigger();
        auto& dialog = Child<QInputDialog>(board, "DealNumberDialog");
        dialog.setIntValue(static_cast<int>(number));
        dialog.accept();
        QCOMPARE(PackLetters(board.State()), pack);

        Command(board, "Statistics").trigger();
        auto& table = Child<QTableWidget>(board, "StatisticsTable");
        QVERIFY(table.isVisible());
        QCOMPARE(table.horizontalHeaderItem(2)->text(), QStringLiteral("Very Easy"));
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            MessageAnswerer messages(std::nullopt, answer);
            Child<QPushButton>(board, "ResetButton").click();
            const int played = answer == QMessageBox::Yes ? 0 : 2;
            QCOMPARE(Counted(game, Level::Easy).Played, played);
            QCOMPARE(table.item(0, 1)->text(), QString::number(played));
        }
    }

    void aGameWithAWordIsAskedAboutAndKeptAtExit() {
        for (const auto& [part, command, answer, dontAskAgain] :
             {std::tuple{"New Game, No", "NewGame", QMessageBox::No, false},
              std::tuple{"End Game, Yes, don't ask again", "EndGame", QMessageBox::Yes, true}}) {
            const TestPart trace{part};
            TestGame game(81);
            GameBoard& board = game.Deal();
            LayAndCheckAWord(board);
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
                QVERIFY(!Command(board, "EndGame").isEnabled()); // no new game yet
                board.OpenMissedWords()->close();
                QTRY_COMPARE(board.State().Phase, GamePhase::Playing);
                QCOMPARE(board.State().TotalScore, 0);
                LayAndCheckAWord(board);
                messages.texts.clear();
                Command(board, "NewGame").trigger(); // not asked again
                QCOMPARE(messages.texts, QStringList{});
                continue;
            }
            board.close(); // kept, as it stands, without a question
            QCOMPARE(messages.texts, QStringList{Abandon});
        }
    }

    // At the next start Yes resumes the game left, clocks as they stood, and No deals anew; the
    // file goes either way, and a damaged one is told of and set aside unharmed.
    void theGameLeftIsOfferedAtTheNextStart() {
        TestGame left(82);
        GameBoard& leftBoard = left.Deal();
        LayAndCheckAWord(leftBoard);
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
            QVERIFY(!resumed || (state.Clocks.PlayingTime == before.Clocks.PlayingTime &&
                                 LabelText(board, "DealPanel") == Text(DealPanelText(before))));
            QVERIFY(!QFile::exists(game.Path(KeptFile)));
            QCOMPARE(game.Read(KeptFile + QStringLiteral(".damaged")),
                     file == kept ? QByteArray() : damaged);
        }
    }
};

LEXABIT_UI_TEST_MAIN(RecordsTest)
#include "Records_test.moc"
