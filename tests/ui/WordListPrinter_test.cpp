#include "UiTestSupport.h"
#include "game/model/GameState.h"
#include "records/WordListPrinter.h"
#include "ui/GameMenus.h"
#include "ui/GameText.h"

#include <QDateTime>
#include <QDir>
#include <QMainWindow>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <array>

using namespace lexabit;
using namespace lexabit::uitest;

namespace {

// The moment the tests print at, in local time, as the page's file name shows it.
const QDateTime PrintMoment(QDate(2026, 12, 6), QTime(14, 3, 22));
const QString PageName = QStringLiteral("Lexabit Solitaire 2026-12-06 14-03-22.pdf");

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The word list and menus over a game state, the clock at the print moment, outlets recorded.
class PrintingScene {
public:
    PrintingScene() {
        clock.now = GameTime(std::chrono::seconds(PrintMoment.toSecsSinceEpoch()));
        auto* wordList = new QTreeWidget(&window);
        wordList->setObjectName(QStringLiteral("WordList"));
        wordList->setColumnCount(2);
        window.setCentralWidget(wordList);
        menus = BuildGameMenus(window);

        PrintOutlets outlets;
        outlets.DefaultPrinter = [this] { return printerToGive ? printerToGive() : nullptr; };
        outlets.DocumentsFolder = [this] { return documents; };
        outlets.ShowMessage = [this](const PrintMessage& message) { messages.push_back(message); };
        auto* printer = new WordListPrinter(state, clock, window, std::move(outlets));
        ConnectPrintCommands(menus, *printer, *wordList);

        // Twelve cards, nine of them used in words: three left, "Great".
        state.CardsTotal = 12;
        for (int i = 1; i <= 12; ++i) {
            state.CreateCard(i);
            state.Card(i).Tag = i <= 9 ? CardTag::Used : CardTag::Table;
        }
        state.TotalScore = 57;
        state.Clocks.PlayingTime = " 0: 12: 5";
    }

    QStringList SavedPages() const {
        return QDir(documents).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    QTemporaryDir home;
    QString documents = home.filePath(QStringLiteral("Documents"));
    QMainWindow window;
    GameMenus menus;
    GameState state;
    SettableClock clock;
    std::function<std::unique_ptr<QPrinter>()> printerToGive;
    std::vector<PrintMessage> messages;
};

} // namespace

class WordListPrinterTest : public QObject {
    Q_OBJECT

private slots:
    // Drawn at any resolution the page neither overprints itself nor runs off the sheet; without
    // a printer it is saved as a letter-sized PDF, told where; one that cannot be made, reported.
    void thePageComesOutWholeAtAnyResolution() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext reads the saved page: apt-get install poppler-utils");
        }
        const auto word = [](int number) { return QString(5, QChar(u'A' + number % 26)); };
        const auto points = [](int number) { return 40 - number; };
        const auto row = [&](int number) {
            return QStringLiteral("%1. %2 %3").arg(number).arg(word(number)).arg(points(number));
        };
        // 0 dots per inch: no printer; below a file, neither a folder nor a printer's file is made.
        const std::array<std::pair<int, bool>, 6> runs{
            {{0, false}, {300, false}, {600, false}, {1200, false}, {0, true}, {600, true}}};
        for (const auto& [dotsPerInch, belowAFile] : runs) {
            const TestPart trace{QString::number(dotsPerInch) +
                                 (belowAFile ? " dpi, below a file" : " dpi")};
            PrintingScene scene;
            for (int number = 30; number >= 1; --number) { // the list shows the newest first
                scene.state.WordsFound.push_back(
                    {RulesText(word(number)),
                     RulesText(QStringLiteral(" %1").arg(points(number)))});
            }
            const QString plain = scene.home.filePath(QStringLiteral("plain"));
            QVERIFY(QFile(plain).open(QIODevice::WriteOnly));
            const QString folder = belowAFile ? plain : scene.home.path();
            QString printed = QDir(folder).filePath(QStringLiteral("printer-output.pdf"));
            if (dotsPerInch > 0) {
                scene.printerToGive = [printed, dotsPerInch] {
                    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                    printer->setOutputFormat(QPrinter::PdfFormat);
                    printer->setOutputFileName(printed);
                    printer->setResolution(dotsPerInch);
                    return printer;
                };
            } else {
                scene.documents = QDir(folder).filePath(QStringLiteral("Documents"));
            }
            if (belowAFile && dotsPerInch > 0) {
                QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
            }
            scene.menus.Print->trigger();

            const bool savedAsPdf = dotsPerInch == 0 && !belowAFile;
            QCOMPARE(scene.SavedPages(), savedAsPdf ? QStringList{PageName} : QStringList());
            QCOMPARE(scene.messages.size(), std::size_t{dotsPerInch > 0 && !belowAFile ? 0U : 1U});
            if (belowAFile) {
                QVERIFY(scene.messages[0].IsProblem);
                continue;
            }
            if (savedAsPdf) {
                QVERIFY(!scene.messages[0].IsProblem);
                printed = QDir(scene.documents).filePath(PageName);
                QVERIFY(scene.messages[0].Text.contains(QDir::toNativeSeparators(printed)));
                const QString info = Run(QStringLiteral("pdfinfo"), {printed});
                QVERIFY2(info.contains(QStringLiteral("612 x 792 pts (letter)")), qPrintable(info));
                // The list's own command prints too, a second page in the same second beside it.
                scene.menus.PrintList->trigger();
                QCOMPARE(scene.SavedPages(),
                         QStringList({"Lexabit Solitaire 2026-12-06 14-03-22 (2).pdf", PageName}));
            }
            // Blanks made one; the blank pdftotext now and then puts before a row's dot goes.
            QStringList lines = Run(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), printed, QStringLiteral("-")})
                                    .split(u'\n');
            for (QString& line : lines) {
                line = line.simplified().replace(QRegularExpression(QStringLiteral("(\\d) \\.")),
                                                 QStringLiteral("\\1."));
            }
            lines.removeAll(QString());
            QCOMPARE(lines.size(), 2 + 28 + 1);
            QCOMPARE(lines[0], QStringLiteral("Lexabit Solitaire"));
            QCOMPARE(lines[1], QStringLiteral("Points: 57 Words: 30 Time: 0: 12: 5 Cards Left: 3 "
                                              "Rating: Great"));
            QCOMPARE(lines[2], row(1) + QLatin1Char(' ') + row(29));
            QCOMPARE(lines[29], row(28));
            QCOMPARE(lines[30], QStringLiteral("Corvane Press"));
        }
    }

    // The printer text colour chosen is kept: the dialog opens on it again, after a Cancel too.
    void thePrinterTextColourIsKept() {
        PrintingScene scene;
        const QColor chosen(200, 20, 90);
        QList<QColor> offered;
        for (const std::optional<QColor>& answer : {std::optional(chosen), {}, {}}) {
            AnswerColourDialog(answer, &offered);
            scene.menus.TextColor->trigger();
        }
        QCOMPARE(offered.mid(1), (QList<QColor>{chosen, chosen}));
    }
};

LEXABIT_UI_TEST_MAIN(WordListPrinterTest)
#include "WordListPrinter_test.moc"
