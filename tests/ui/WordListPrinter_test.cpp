#include "UiTestSupport.h"
#include "game/model/GameState.h"
#include "records/PrintCommands.h"
#include "records/WordListPrinter.h"
#include "ui/GameMenus.h"

#include <QAction>
#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTreeWidget>

using namespace lexabit;
using uitest::Child;

namespace {

// The moment the tests print at, in local time, as the page's file name shows it.
const QDateTime PrintMoment(QDate(2026, 12, 6), QTime(14, 3, 22));
const QString PageName = QStringLiteral("Lexabit Solitaire 2026-12-06 14-03-22.pdf");

#define SKIP_WITHOUT_POPPLER()                                                                     \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||                   \
        QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {                    \
        QSKIP("pdftotext and pdftoppm read the saved page: apt-get install poppler-utils");        \
    }

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return process.readAllStandardOutput();
}

// The page's text line by line as laid out, each run of blanks made one blank. The blank a
// number is printed with before its row's dot comes through only now and then, so it goes.
QStringList PageLines(const QString& pdf) {
    static const QRegularExpression blankBeforeDot(QStringLiteral("(\\d) \\."));
    const QString text = QString::fromUtf8(
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.simplified().replace(blankBeforeDot, QStringLiteral("\\1."));
        if (!line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

// A board's worth of printing: a window with the word list and the menus, a game state,
// a clock standing at the print moment, and outlets that record instead of showing.
class PrintingScene {
public:
    PrintingScene() {
        clock.now = GameTime(std::chrono::seconds(PrintMoment.toSecsSinceEpoch()));
        documents = home.filePath(QStringLiteral("Documents"));
        wordList = new QTreeWidget(&window);
        wordList->setObjectName(QStringLiteral("WordList"));
        wordList->setColumnCount(2);
        window.setCentralWidget(wordList);
        menus = BuildGameMenus(window);

        PrintOutlets outlets;
        outlets.DefaultPrinter = [this] { return printerToGive ? printerToGive() : nullptr; };
        outlets.DocumentsFolder = [this] { return documents; };
        outlets.ShowMessage = [this](const PrintMessage& message) { messages.push_back(message); };
        printer = new WordListPrinter(state, *wordList, clock, window, std::move(outlets));
        ConnectPrintCommands(menus, *printer, *wordList);

        // Twelve cards, nine of them used in words: three left, "Great".
        state.CardsTotal = 12;
        for (int i = 1; i <= 12; ++i) {
            state.CreateCard(i);
            state.Card(i).Tag = i <= 9 ? CardTag::Used : CardTag::Table;
        }
        state.TotalScore = 57;
        state.PlayingTime = " 0: 12: 5";
    }

    // As the word check does: the word found last goes to the top.
    void FindWord(const QString& word, const QString& points) {
        wordList->insertTopLevelItem(0, new QTreeWidgetItem({word, points}));
    }

    QStringList SavedPages() const {
        return QDir(documents).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    }

    QString SavedPage(const QString& name = PageName) const {
        return QDir(documents).filePath(name);
    }

    QTemporaryDir home;
    QString documents;
    QMainWindow window;
    QTreeWidget* wordList = nullptr;
    GameMenus menus;
    GameState state;
    uitest::SettableClock clock;
    std::function<std::unique_ptr<QPrinter>()> printerToGive;
    std::vector<PrintMessage> messages;
    WordListPrinter* printer = nullptr;
};

} // namespace

class WordListPrinterTest : public QObject {
    Q_OBJECT

private slots:
    void thePageComesOutWholeAtAnyResolution_data() {
        QTest::addColumn<int>("dotsPerInch");
        QTest::newRow("no printer: saved as PDF") << 0;
        QTest::newRow("300 dpi") << 300;
        QTest::newRow("600 dpi") << 600;
        QTest::newRow("1200 dpi") << 1200;
    }

    // The page is laid out for 600 dots per inch and drawn at the printer's resolution: on
    // a finer printer it neither overprints itself, nor on a coarser one runs off the sheet.
    // Without a printer it is saved as a letter-sized PDF and the player is told where.
    void thePageComesOutWholeAtAnyResolution() {
        SKIP_WITHOUT_POPPLER();
        QFETCH(int, dotsPerInch);
        PrintingScene scene;
        const QStringList words = QStringLiteral("QUARTZ JOKER WIZARD FABLE GLYPH HONEY MAPLE "
                                                 "CRISP VIXEN BLUNT DWARF OXIDE PLUMB KNACK "
                                                 "ZEST JUMBO FROST QUEST YODEL BRAVE CHAMP GUSTO "
                                                 "LEMON RIVET SNOWY TULIP WHEAT AMBER "
                                                 "EPOCH NIGHT")
                                      .split(u' ');
        const auto points = [](int number) { return 40 - number; };
        for (int number = 1; number <= words.size(); ++number) {
            scene.wordList->addTopLevelItem(new QTreeWidgetItem(
                {words[number - 1], QStringLiteral(" %1").arg(points(number))}));
        }
        QString printed = scene.home.filePath(QStringLiteral("printer-output.pdf"));
        if (dotsPerInch > 0) {
            scene.printerToGive = [&printed, dotsPerInch] {
                auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(printed);
                printer->setResolution(dotsPerInch);
                return printer;
            };
        }

        scene.printer->Print_Click();

        if (dotsPerInch > 0) {
            QVERIFY(scene.messages.empty());
            QVERIFY(scene.SavedPages().isEmpty());
        } else {
            printed = scene.SavedPage();
            QCOMPARE(scene.SavedPages(), QStringList{PageName});
            QCOMPARE(scene.messages.size(), std::size_t{1});
            QVERIFY(!scene.messages[0].IsProblem);
            QVERIFY(scene.messages[0].Text.contains(QDir::toNativeSeparators(printed)));
            const QString info = QString::fromUtf8(Run(QStringLiteral("pdfinfo"), {printed}));
            QVERIFY2(info.contains(QStringLiteral("612 x 792 pts (letter)")), qPrintable(info));
        }
        const auto row = [&](int number) {
            return QStringLiteral("%1. %2 %3")
                .arg(number)
                .arg(words[number - 1])
                .arg(points(number));
        };
        const QStringList lines = PageLines(printed);
        QCOMPARE(lines.size(), 2 + 28 + 1);
        QCOMPARE(lines[0], QStringLiteral("Lexabit Solitaire"));
        QCOMPARE(lines[1], QStringLiteral("Points: 57 Words: 30 Time: 0: 12: 5 Cards Left: 3 "
                                          "Rating: Great"));
        QCOMPARE(lines[2], row(1) + QLatin1Char(' ') + row(29));
        QCOMPARE(lines[29], row(28));
        QCOMPARE(lines[30], QStringLiteral("Corvane Press"));
    }

    void aPageThatCannotBeMadeIsReported_data() {
        QTest::addColumn<bool>("throughPrinter");
        QTest::addColumn<QString>("told");
        QTest::newRow("documents folder below a file")
            << false << QStringLiteral("could not be saved");
        QTest::newRow("printer that fails") << true << QStringLiteral("could not be printed");
    }

    void aPageThatCannotBeMadeIsReported() {
        QFETCH(bool, throughPrinter);
        QFETCH(QString, told);
        PrintingScene scene;
        // Neither a folder nor a printer's file can be made below a plain file.
        const QString plain = scene.home.filePath(QStringLiteral("not-a-folder"));
        uitest::WriteFile(plain, {});
        if (throughPrinter) {
            scene.printerToGive = [&plain] {
                auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(plain + QStringLiteral("/page.pdf"));
                return printer;
            };
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        } else {
            scene.documents = QDir(plain).filePath(QStringLiteral("Documents"));
        }

        scene.printer->PrintList_Click();

        QCOMPARE(scene.messages.size(), std::size_t{1});
        QCOMPARE(scene.messages[0].Title, QStringLiteral("Lexabit Solitaire"));
        QVERIFY(scene.messages[0].IsProblem);
        QVERIFY2(scene.messages[0].Text.contains(told), qPrintable(scene.messages[0].Text));
        QVERIFY(scene.SavedPages().isEmpty());
    }

    // The colour chosen lasts for the run (the dialog opens with it, Cancel keeps it) and
    // the page is printed in it.
    void thePageIsPrintedInTheChosenColour() {
        SKIP_WITHOUT_POPPLER();
        PrintingScene scene;
        scene.FindWord(QStringLiteral("JAM"), QStringLiteral(" 13"));
        QColor openedWith;
        uitest::AnswerColourDialog(QColor(Qt::red), &openedWith);
        scene.menus.TextColor->trigger();
        QCOMPARE(openedWith, QColor(Qt::black));
        uitest::AnswerColourDialog(std::nullopt, &openedWith);
        scene.menus.TextColor->trigger();
        QCOMPARE(openedWith, QColor(Qt::red));
        QCOMPARE(scene.printer->TextColor(), 0x0000FF);

        scene.printer->PrintList_Click();

        const QString stem = scene.home.filePath(QStringLiteral("page"));
        Run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), scene.SavedPage(), stem});
        const QImage page(stem + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        // Letter edges blend red into the white paper: red stays full, green equals blue.
        int red = 0;
        int other = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = page.pixelColor(x, y);
                const bool reddish = pixel.red() > 240 && qAbs(pixel.green() - pixel.blue()) < 8;
                red += reddish && pixel != Qt::white ? 1 : 0;
                other += reddish ? 0 : 1;
            }
        }
        QVERIFY2(red > 100, qPrintable(QString::number(red)));
        QCOMPARE(other, 0);
    }

    // F5 and Print List print; the popup opens on the right button only, at the
    // click, and its Exit closes it doing nothing.
    void theMenusAndThePopupPrint() {
        PrintingScene scene;
        scene.menus.Print->trigger();
        QCOMPARE(scene.SavedPages(), QStringList{PageName});
        scene.menus.PrintList->trigger();
        // A second page in the same second keeps the first file.
        const QString second = QStringLiteral("Lexabit Solitaire 2026-12-06 14-03-22 (2).pdf");
        QCOMPARE(scene.SavedPages(), (QStringList{second, PageName}));
        QVERIFY(scene.messages[1].Text.contains(second));
        scene.messages.clear();

        scene.window.resize(300, 300);
        scene.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
        QMenu& popup = *scene.menus.WordListMenu;
        QWindow* window = scene.window.windowHandle();
        const QWidget* viewport = scene.wordList->viewport();
        const QPoint at = viewport->mapTo(&scene.window, viewport->rect().center());
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        QTest::mouseClick(window, Qt::MiddleButton, {}, at);
        QVERIFY(!popup.isVisible());
        QTest::mouseClick(window, Qt::RightButton, {}, at);
        QTRY_VERIFY(popup.isVisible());
        const QPoint clicked = scene.window.mapToGlobal(at);
        QVERIFY((popup.geometry().topLeft() - clicked).manhattanLength() <= 2);

        popup.setActiveAction(scene.menus.WordListExit);
        QTest::keyClick(&popup, Qt::Key_Return);
        QTRY_VERIFY(!popup.isVisible());
        QVERIFY(scene.messages.empty());
        QCOMPARE(scene.SavedPages().size(), 2);
        QVERIFY(scene.window.findChild<QColorDialog*>() == nullptr);
    }
};

LEXABIT_UI_TEST_MAIN(WordListPrinterTest)
#include "WordListPrinter_test.moc"
