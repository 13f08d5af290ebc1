// The game with a damaged data file in place: it tells the player what the player must know,
// starts, and ends.
#include "UiTestSupport.h"

#include <filesystem>
#include <sys/stat.h>

using namespace lexabit;
using namespace lexabit::uitest;
namespace fs = std::filesystem;

enum class Damage { Fifo, EndlessZeros, NoPermissions };
Q_DECLARE_METATYPE(Damage)

class DataFilesTest : public QObject {
    Q_OBJECT

private slots:
    void theGameStartsAndEndsWithADamagedFileInPlace_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("toldAtStart");
        QTest::addColumn<bool>("toldAtExit");
        const QString table = QStringLiteral("highscore/highscore.dat");
        const QString settings = QStringLiteral("Settings/Settings.txt");
        QTest::newRow("score table /dev/zero") << table << Damage::EndlessZeros << true << false;
        QTest::newRow("settings a pipe") << settings << Damage::Fifo << true << true;
        QTest::newRow("settings no permissions")
            << settings << Damage::NoPermissions << false << true;
        QTest::newRow("help a pipe")
            << QStringLiteral("HelpFiles/Lexabit Solitaire.hlp") << Damage::Fifo << false << false;
    }

    void theGameStartsAndEndsWithADamagedFileInPlace() {
        QFETCH(QString, file);
        QFETCH(Damage, damage);
        QFETCH(bool, toldAtStart);
        QFETCH(bool, toldAtExit);
        TestGame game(61, {QStringLiteral("at")});
        const fs::path damaged = QFile::encodeName(game.Path(file)).toStdString();
        if (damage == Damage::NoPermissions) {
            fs::permissions(damaged, fs::perms::none);
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
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTest::keyClick(&board, Qt::Key_F1); // the help, whatever its file holds
        QTRY_VERIFY(!board.NewGamePending());

        MessageAnswerer atExit;
        board.close();
        QCOMPARE(atExit.texts.size(), toldAtExit ? 1 : 0);
        QCOMPARE(atExit.texts.filter(file).size(), atExit.texts.size());
    }
};

LEXABIT_UI_TEST_MAIN(DataFilesTest)
#include "DataFiles_test.moc"
