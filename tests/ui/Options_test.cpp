#include "UiTestSupport.h"
#include "board/table/Cards.h"
#include "board/window/CardOptions.h"
#include "board/window/GameWindows.h"
#include "board/window/ProgramIcon.h"
#include "board/window/WindowPlacement.h"
#include "options/AboutWindow.h"

#include <QMenuBar>
#include <QRadioButton>
#include <QStandardPaths>
#include <QWindow>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace lexabit;
using namespace lexabit::uitest;
namespace fs = std::filesystem;

namespace {

const char* const SettingsPath = "Settings/Settings.txt";

enum class Damage { Fifo, EndlessZeros, NoPermissions, OthersLink, ZerosPicture, HugeReadOnly };
// As root, every folder can be written, and a link can be made as another user (daemon).
const bool root = ::geteuid() == 0;
const QByteArray PlayersOwn = "the player's own";

} // namespace

// The Options and Help windows, the settings file, and a game over a damaged data file.
class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    // Cancel keeps a stored system colour; one chosen paints the windows, not the bars, and is
    // saved with the stored level; the card options; Exit saves this run's choices.
    void theColourCardsAndExitCommands() {
        TestGame game(54);
        game.Write(SettingsPath, "-2147483633 \r\n 8 \r\n 2 \r\n");
        GameBoard& board = game.Open();
        board.ChooseLevel(Level::Hard); // chosen but never stored: the command reads the file first
        AnswerColourDialog(std::nullopt);
        Command(board, "BgOptions").trigger();
        QCOMPARE(game.Read(SettingsPath), QByteArray("-2147483633 \r\n 8 \r\n 2 \r\n"));

        const QColor chosen(10, 120, 30);
        AnswerColourDialog(chosen);
        Command(board, "BgOptions").trigger();
        for (const QWidget* painted :
             QList<QWidget*>{&board, &board.Board(), &board.Windows().About()}) {
            QCOMPARE(painted->palette().color(painted->backgroundRole()), chosen);
        }
        for (const QWidget* bar :
             {static_cast<QWidget*>(board.menuBar()), &Child(board, "StatusBar")}) {
            QCOMPARE(bar->palette().color(bar->backgroundRole()),
                     QApplication::palette().color(QPalette::Window));
        }
        // Red in the low byte: 10 + 120 * 256 + 30 * 65536.
        QCOMPARE(game.Read(SettingsPath), QByteArray(" 1996810 \r\n 8 \r\n 2 \r\n"));
        QCOMPARE(board.State().GameLevel, Level::Hard); // the running game keeps its level

        // The card options open on the pack's back: Apply for the next deal, Ok now, Escape none.
        Command(board, "CardsOptions").trigger();
        auto* options = &Child<CardOptions>(board, "CardOptions");
        QCOMPARE(options->TestCardPicture(), std::optional<int>(8)); // the back on the pack
        options->CardList_Click(5);
        options->Apply_Click();
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(8));
        QCOMPARE(board.State().CardStyle, 5);
        QTest::keyClick(options, Qt::Key_Return);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));
        QCOMPARE(board.Board().DiscardPicture(), std::optional<int>(5));
        DeleteClosedWindows();

        Command(board, "CardsOptions").trigger();
        options = &Child<CardOptions>(board, "CardOptions");
        QCOMPARE(options->TestCardPicture(), std::optional<int>(5));
        options->CardList_Click(1);
        QPointer<CardOptions> cancelled(options);
        QTest::keyClick(options, Qt::Key_Escape);
        QTRY_VERIFY(cancelled.isNull());
        QCOMPARE(board.State().CardStyle, 5);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));

        // Windows reading the settings leave this run's choices alone; the file's begin next game.
        for (const char* command : {"Ab", "Highscore", "Level", "CardsOptions"}) {
            Command(board, command).trigger();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window != &board && window->isVisible()) {
                    window->close();
                }
            }
            DeleteClosedWindows();
            Command(board, command).trigger();
        }
        QCOMPARE(board.State().GameLevel, Level::Hard);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));
        QCOMPARE(game.Read(SettingsPath), QByteArray(" 1996810 \r\n 8 \r\n 2 \r\n"));
        board.NewGame_Click();
        QCOMPARE(board.State().GameLevel, Level::Easy);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(8));

        board.show();
        Command(board, "Ab").trigger();
        board.ChooseCardStyle(4);
        board.ChooseLevel(Level::VeryEasy);
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QTest::keyClick(&board, Qt::Key_F8);
        QVERIFY(!board.isVisible());
        QVERIFY(!Shown(board, "frmAboutLexabit"));
        QCOMPARE(game.Read(SettingsPath), QByteArray(" 1996810 \r\n 4 \r\n 3 \r\n"));
    }

    // Each secondary window stays above the board, not modal, with its whole title and the icon.
    void theSecondaryWindowsAndTheLettersTotals() {
        const QIcon icon = ProgramIcon();
        QApplication::setWindowIcon(icon); // as the program does at start
        const QImage expectedIcon = icon.pixmap(64).toImage();
        TestGame game(60);
        GameBoard& board = game.Deal();
        QVERIFY(board.windowIcon().pixmap(64).toImage() == expectedIcon);
        const std::pair<const char*, const char*> windows[] = {
            {"Ab", "frmAboutLexabit"},       {"Highscore", "HighScoreForm"},
            {"CardsOptions", "CardOptions"}, {"Level", "LevelForm"},
            {"LF", "LettersForm"},           {"Contents", "TheHelp"}};
        for (const auto& [command, name] : windows) {
            Command(board, command).trigger();
            auto& window = Child(board, name);
            QVERIFY2(window.isVisible() && !window.isModal(), name);
            // X11 marks only dialog windows as transient for their parent.
            QVERIFY2(window.windowHandle()->type() == Qt::Dialog &&
                         window.windowHandle()->transientParent() == board.windowHandle(),
                     name);
            QVERIFY2(window.width() >= TitleBarWidth(window.windowTitle()), name);
            QVERIFY2(window.windowIcon().pixmap(64).toImage() == expectedIcon, name);
        }

        // Save totals the letter counts, each within 999, for the next game; Exit discards edits.
        const int shipped = board.State().CardsTotal;
        Command(board, "LF").trigger();
        auto& letters = Child(board, "LettersForm");
        auto& countOfE = Child<QLineEdit>(letters, "Text1(4)");
        const int total = shipped - countOfE.text().trimmed().toInt() + 999;
        countOfE.setText(QStringLiteral("5000"));
        Child<QPushButton>(letters, "Command2").click();
        QCOMPARE(Child<QLineEdit>(letters, "Text2").text(),
                 QStringLiteral(" %1 Letters").arg(total));
        board.NewGame_Click();
        QCOMPARE(board.State().CardsTotal, total);
        Child<QPushButton>(letters, "Command1").click();
        DeleteClosedWindows();
        board.NewGame_Click();
        QCOMPARE(board.State().CardsTotal, shipped);
        QApplication::setWindowIcon(QIcon());
    }

    void everyCardPictureRenders() { QCOMPARE(Cards::CheckArt(), QStringList()); }

    // The level window ticks the stored level (Hard 1, Easy 2, Very Easy 3 in the file); Enter
    // starts a game on the level ticked, Escape changes nothing, as Escape closes About.
    void theLevelWindowTicksTheStoredLevel() {
        for (const auto& [stored, ticked, key] : {std::tuple{'1', 2, Qt::Key_Escape},
                                                  {'2', 1, Qt::Key_Return},
                                                  {'3', 3, Qt::Key_Escape}}) {
            const TestPart trace{QString(QChar::fromLatin1(stored))};
            TestGame game(63);
            game.Write(SettingsPath, QByteArray(" 255 \r\n 3 \r\n ") + stored + " \r\n");
            GameBoard& board = game.Deal();
            Command(board, "Level").trigger();
            auto& level = Child(board, "LevelForm");
            const auto option = [&](int number) {
                return &Child<QRadioButton>(level, QStringLiteral("Option%1").arg(number));
            };
            for (int number = 1; number <= 3; ++number) {
                QCOMPARE(option(number)->isChecked(), number == ticked);
            }
            option(ticked == 1 ? 2 : 1)->click(); // Hard, or else Easy
            board.State().TotalScore = 9;
            QPointer<QWidget> window(&level);
            QTest::keyClick(&level, key);
            DeleteClosedWindows();
            QVERIFY(window.isNull());
            const bool ok = key == Qt::Key_Return;
            QCOMPARE(board.State().TotalScore, ok ? 0 : 9); // a new game, or none
            QCOMPARE(board.State().GameLevel, ok ? Level::Hard : static_cast<Level>(stored - '0'));
            Command(board, "Ab").trigger();
            QTest::keyClick(&Child(board, "frmAboutLexabit"), Qt::Key_Escape);
            QVERIFY(!Shown(board, "frmAboutLexabit"));
        }
    }

    void theGameStartsAndEndsWithADamagedFileInPlace() {
        const char* const help = "HelpFiles/Lexabit Solitaire.hlp";
        // Whether the player is told, naming the file, as the game starts and as it ends.
        for (const auto& [part, file, damage, toldAtStart, toldAtExit] :
             {std::tuple{"score table /dev/zero", "highscore/highscore.dat", Damage::EndlessZeros,
                         true, false},
              {"settings a pipe", SettingsPath, Damage::Fifo, true, true},
              {"settings no permissions", SettingsPath, Damage::NoPermissions, !root, true},
              {"settings another user's link", SettingsPath, Damage::OthersLink, true, true},
              {"settings huge, read-only install", SettingsPath, Damage::HugeReadOnly, false,
               false},
              {"help a pipe", help, Damage::Fifo, false, false},
              {"help /dev/zero", help, Damage::ZerosPicture, false, false}}) {
            const TestPart trace{part};
            if (damage == (root ? Damage::HugeReadOnly : Damage::OthersLink)) {
                continue; // the other user's run covers it
            }
            TestGame game(61, {QStringLiteral("at")});
            const fs::path damaged = QFile::encodeName(game.Path(file)).toStdString();
            if (damage == Damage::NoPermissions) {
                fs::permissions(damaged, fs::perms::none);
            } else if (damage == Damage::ZerosPicture) {
                game.Write(file, R"(<img src="/dev/zero">)");
            } else if (damage == Damage::HugeReadOnly) {
                qputenv("XDG_DATA_HOME", QFile::encodeName(game.Path(QStringLiteral("home"))));
                game.Write(file, " 255 \r\n 3 \r\n 1 \r\n" + QByteArray(4096, ' '));
                fs::permissions(damaged.parent_path(),
                                fs::perms::owner_read | fs::perms::owner_exec);
            } else if (damage == Damage::OthersLink) {
                game.Write(QString(file) + ".own", PlayersOwn);
                fs::remove(damaged);
                fs::create_symlink(damaged.string() + ".own", damaged);
                QCOMPARE(::lchown(damaged.c_str(), 1, 1), 0);
            } else {
                fs::remove(damaged);
                damage == Damage::Fifo ? void(::mkfifo(damaged.c_str(), 0644))
                                       : fs::create_symlink("/dev/zero", damaged);
            }

            auto atStart = std::make_unique<MessageAnswerer>();
            GameBoard& board = game.Open();
            QCOMPARE(atStart->texts.size(), toldAtStart ? 1 : 0);
            QCOMPARE(atStart->texts.filter(file).size(), atStart->texts.size()); // naming the file
            atStart.reset();
            game.Deal();
            QTest::keyClick(&board, Qt::Key_F1); // the help, whatever its file holds
            QTRY_VERIFY(!board.NewGamePending());

            MessageAnswerer atExit;
            board.close();
            QCOMPARE(atExit.texts.size(), toldAtExit ? 1 : 0);
            QCOMPARE(atExit.texts.filter(file).size(), atExit.texts.size());
            if (damage == Damage::OthersLink) {
                QCOMPARE(game.Read(QString(file) + ".own"), PlayersOwn);
            } else if (damage == Damage::HugeReadOnly) { // the player's copy starts afresh
                fs::permissions(damaged.parent_path(), fs::perms::owner_all);
                QFile mine(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/' +
                           file);
                QVERIFY(mine.open(QIODevice::ReadOnly));
                QCOMPARE(mine.readAll(), QByteArray::fromStdString(FormatSettings({})));
            }
        }
    }
};

LEXABIT_UI_TEST_MAIN(OptionsTest)
#include "Options_test.moc"
