#include "UiTestSupport.h"
#include "game/files/StatisticsFile.h"

#include <QInputDialog>
#include <QTableWidget>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

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

void LayAndCheckAWord(GameBoard& board) {
    QTRY_VERIFY(CardOnColumn(board.State(), 2) > 0);
    LayTwoLetterWord(board);
    board.CheckWordButton_Click();
}

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

private slots:
    // Each road out of a game counts it once, on the level it was played on: a new level
    // counts the game it leaves, and the new game that follows does not count it again.
    void everyRoadOutOfAGameCountsItOnce() {
        const struct {
            const char* road;
            bool wordLaid;
            std::function<void(TestGame&, GameBoard&)> leave;
            long long played, scored;
        } roads[] = {
            {"End Game", true, [](auto&, auto& board) { Command(board, "EndGame").trigger(); }, 1,
             1},
            {"time-out", false,
             [](auto& game, auto& board) {
                 game.clock.now += std::chrono::minutes(4);
                 board.TickClocks();
             },
             1, 1},
            {"New Game, no word", false,
             [](auto&, auto& board) { Command(board, "NewGame").trigger(); }, 1, 0},
            {"another level", true, [](auto&, auto& board) { DealOnly(board, "AB", Level::Hard); },
             1, 1},
            // A game with a word in it is kept at exit, and counted when it ends or is declined.
            {"exit, no word", false, [](auto&, auto& board) { board.close(); }, 1, 0},
        };
        for (const auto& [road, wordLaid, leave, played, scored] : roads) {
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
                     std::tuple(played, scored, wordLaid ? 1LL : 0LL));
            QCOMPARE(Counted(game, Level::Hard).Played, 0);
        }
    }

    // The window shows a column per level, and Reset, once confirmed, empties the file.
    void theWindowShowsEachLevelAndResetsWhenConfirmed() {
        TestGame game(82);
        GameBoard& board = game.Deal();
        LayAndCheckAWord(board);
        {
            const MessageAnswerer abandon; // the game with a word in it is left
            board.NewGame_Click();
        }
        Command(board, "Statistics").trigger();
        auto& table = Child<QTableWidget>(board, QStringLiteral("StatisticsTable"));
        QVERIFY(table.isVisible());
        QCOMPARE(table.horizontalHeaderItem(2)->text(), QStringLiteral("Very Easy"));
        QCOMPARE(table.item(0, 1)->text(), QStringLiteral("1"));
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            MessageAnswerer messages(std::nullopt, answer);
            Child<QPushButton>(board, QStringLiteral("ResetButton")).click();
            QCOMPARE(Counted(game, Level::Easy).Played, answer == QMessageBox::Yes ? 0 : 1);
            QCOMPARE(table.item(0, 1)->text(), QString::number(answer == QMessageBox::Yes ? 0 : 1));
        }
    }

    // A deal restarted or chosen by its number is the same pack, and counts as replayed; a
    // restart keeps the letters the deal was dealt on.
    void aDealIsPlayedAgainByItsNumber() {
        TestGame game(83);
        GameBoard& board = game.Deal();
        const std::uint32_t number = board.State().Deal.Number;
        const QString pack = PackLetters(board.State());
        auto& panel = Child<QLabel>(board, QStringLiteral("DealPanel"));
        QCOMPARE(panel.text(), QStringLiteral("Deal %1").arg(number));
        LayAndCheckAWord(board);
        const LetterCountTexts dealt = board.NextDealLetters();
        board.SetNextDealLetters({"2"}); // for the next new game: a restart keeps the deal's
        {
            const MessageAnswerer abandon; // the game with a word in it is left
            Command(board, "RestartDeal").trigger();
        }
        QCOMPARE(PackLetters(board.State()), pack);
        board.SetNextDealLetters(dealt);
        QCOMPARE(panel.text(), QStringLiteral("Deal %1, replayed").arg(number));
        Command(board, "NewGame").trigger();
        QVERIFY(!board.State().Deal.Replayed);
        Command(board, "PlayDealNumber").trigger();
        auto& dialog = Child<QInputDialog>(board, QStringLiteral("DealNumberDialog"));
        dialog.setIntValue(static_cast<int>(number));
        dialog.accept();
        QCOMPARE(PackLetters(board.State()), pack);
        const LevelStatistics easy = Counted(game, Level::Easy);
        QCOMPARE(std::tuple(easy.Played, easy.Scored, easy.Replayed), std::tuple(2LL, 1LL, 1LL));
    }
};

LEXABIT_UI_TEST_MAIN(StatisticsTest)
#include "Statistics_test.moc"
