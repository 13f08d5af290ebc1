// The game with damaged or unusual data files in place: it starts, tells the player what
// the player must know, and ends. Also: the program folder is found whatever its name.
#include "UiTestSupport.h"
#include "board/GameBoard.h"
#include "game/files/Sounds.h"

#include <QFile>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lexabit;
namespace fs = std::filesystem;

namespace {

constexpr const char* PrintFolderArgument = "--print-program-folder";

// Run as a child of the test: prints the program folder the game finds, as bytes, then
// what the window toolkit reads of probe.txt in it.
int PrintProgramFolder() {
    const GameServices services = GameServices::ForThisProgram();
    const std::string folder = services.Folder->Path().string();
    QFile probe(QFile::decodeName((services.Folder->TextPath() / "probe.txt").c_str()));
    const QByteArray text = probe.open(QIODevice::ReadOnly) ? probe.readAll() : QByteArray();
    std::fwrite(folder.data(), 1, folder.size() + 1, stdout); // with its ending zero
    std::fwrite(text.data(), 1, static_cast<std::size_t>(text.size()), stdout);
    return 0;
}

// Runs a copy of this test program from the folder and hands back what it printed.
std::string RunCopyFrom(const fs::path& folder) {
    const fs::path copy = folder / "lexabit-copy";
    fs::copy_file("/proc/self/exe", copy, fs::copy_options::overwrite_existing);
    int out[2];
    if (::pipe(out) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execl(copy.c_str(), copy.c_str(), PrintFolderArgument, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(out[1]);
    std::string printed;
    char block[4096];
    for (ssize_t got; (got = ::read(out[0], block, sizeof block)) > 0;) {
        printed.append(block, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    return printed;
}

std::string WavBytes(std::uint32_t byteRate, std::uint32_t claimedDataBytes,
                     std::uint32_t presentDataBytes) {
    const auto le = [](std::uint32_t value, int bytes) {
        std::string text;
        for (int k = 0; k < bytes; ++k) {
            text += static_cast<char>((value >> (8 * k)) & 0xFFU);
        }
        return text;
    };
    const std::string format = "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(byteRate / 2, 4) +
                               le(byteRate, 4) + le(2, 2) + le(16, 2);
    const std::string data = "data" + le(claimedDataBytes, 4) + std::string(presentDataBytes, '\0');
    return "RIFF" + le(static_cast<std::uint32_t>(4 + format.size() + data.size()), 4) + "WAVE" +
           format + data;
}

void WriteFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

using Damage = std::function<void(const fs::path&)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class DataFilesTest : public QObject {
    Q_OBJECT

private slots:
    void theGameStartsAndEndsWithADamagedFileInPlace_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("toldAtStart");
        QTest::addColumn<QString>("toldAtExit");
        const Damage pipe = [](const fs::path& at) {
            fs::remove(at);
            ::mkfifo(at.c_str(), 0644);
        };
        const Damage zero = [](const fs::path& at) {
            fs::remove(at);
            fs::create_symlink("/dev/zero", at);
        };
        const auto wav = [](std::string bytes) {
            return Damage([bytes](const fs::path& at) { WriteFile(at, bytes); });
        };
        const QString table = QStringLiteral("highscore/highscore.dat");
        const QString settings = QStringLiteral("Settings/Settings.txt");
        const QString help = QStringLiteral("HelpFiles/Lexabit Solitaire.hlp");
        const QString draw = QStringLiteral("sounds/Draw.wav");
        const QString none;
        QTest::newRow("score table /dev/zero") << table << zero << table << none;
        QTest::newRow("settings a pipe") << settings << pipe << settings << settings;
        QTest::newRow("settings no permissions")
            << settings << Damage([](const fs::path& at) { fs::permissions(at, fs::perms::none); })
            << none << settings;
        QTest::newRow("help a pipe") << help << pipe << none << none;
        QTest::newRow("sound cut short")
            << draw << wav(WavBytes(88200, 20000, 2000)) << none << none;
        QTest::newRow("sound twenty seconds long")
            << draw << wav(WavBytes(1000, 20000, 20000)) << none << none;
    }

    void theGameStartsAndEndsWithADamagedFileInPlace() {
        QFETCH(QString, file);
        QFETCH(Damage, damage);
        QFETCH(QString, toldAtStart);
        QFETCH(QString, toldAtExit);
        uitest::TestGame game(61, {QStringLiteral("at")});
        const fs::path damaged = QFile::encodeName(game.Path(file)).toStdString();
        damage(damaged);
        const auto damagedStatus = fs::symlink_status(damaged);
        game.services.Sound.reset(); // the real speakers
        QList<std::chrono::microseconds> waits;
        game.services.Wait = [&waits](std::chrono::microseconds wait) { waits.append(wait); };

        auto atStart = std::make_unique<uitest::MessageAnswerer>();
        GameBoard& board = game.Open();
        QCOMPARE(atStart->texts.size(), toldAtStart.isEmpty() ? 0 : 1);
        QVERIFY(atStart->texts.join(u'|').contains(toldAtStart));
        atStart.reset();
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTest::keyClick(&board, Qt::Key_F1);
        QTRY_VERIFY(!board.NewGamePending());
        for (const auto wait : waits) {
            QVERIFY(wait <= LongestSoundWait);
        }

        uitest::MessageAnswerer atExit;
        board.close();
        QCOMPARE(atExit.texts.size(), toldAtExit.isEmpty() ? 0 : 1);
        QVERIFY(atExit.texts.join(u'|').contains(toldAtExit));
        // Whatever the game could not use is left as the player had it.
        const auto after = fs::symlink_status(damaged);
        QCOMPARE(after.type(), damagedStatus.type());
        QCOMPARE(after.permissions(), damagedStatus.permissions());
    }

    void theProgramFolderIsFoundWhateverItsName() {
        QTemporaryDir temporary;
        const fs::path base = QFile::encodeName(temporary.path()).toStdString();
        const std::string longName(200, 'l');
        fs::path deep = base / "deep";
        while (deep.string().size() < 3000) {
            deep /= longName;
        }
        for (const fs::path& folder :
             {base / "caf\xe9", base / "with blanks and a\nline end", deep}) {
            fs::create_directories(folder);
            WriteFile(folder / "probe.txt", "found");
            const std::string printed = RunCopyFrom(folder);
            QVERIFY2(printed == folder.string() + std::string(1, '\0') + "found",
                     qPrintable(QString::fromStdString(printed).left(300)));
        }
    }
};

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string(argv[1]) == PrintFolderArgument) {
        return PrintProgramFolder();
    }
    uitest::UseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    DataFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DataFiles_test.moc"
