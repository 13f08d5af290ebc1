#include "UiTestSupport.h"
#include "board/BoardView.h"
#include "board/CardOptions.h"
#include "board/GameBoard.h"
#include "board/GameWindows.h"
#include "board/ProgramIcon.h"
#include "board/WindowPlacement.h"
#include "game/model/Texts.h"
#include "options/HelpViewer.h"
#include "options/LettersForm.h"
#include "options/LevelForm.h"
#include "options/frmAboutLexabit.h"
#include "records/HighScoreForm.h"
#include "records/Namefrm.h"
#include "ui/ColourValue.h"

#include <QColorDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <optional>

using namespace lexabit;

// The Options and Help menus and the settings file that outlasts the program.
class OptionsTest : public QObject {
    Q_OBJECT

private:
    static QByteArray SettingsBytes(const QString& program) {
        QFile file(program + QStringLiteral("/Settings/Settings.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteSettings(const QString& program, const QByteArray& bytes) {
        QFile file(program + QStringLiteral("/Settings/Settings.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    static QColor WindowColour(const QWidget& widget) {
        return widget.palette().color(widget.backgroundRole());
    }

private slots:
    void helpOpensTheHelpFileAtItsFirstTopic() {
        GameBoard board(uitest::TestServices(51));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTest::keyClick(&board, Qt::Key_F1);
        auto* help = board.findChild<QWidget*>(QStringLiteral("TheHelp"));
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        const QString text = help->findChild<QTextBrowser*>()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("CheckWord")), qPrintable(text.left(200)));
        QVERIFY(text.contains(QStringLiteral("Hard")));
        // Escape puts the help and the About window away, wherever their focus is.
        QTest::keyClick(help->findChild<QTextBrowser*>(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        board.Ab_Click();
        QWidget& about = board.Windows().About();
        QTest::keyClick(about.findChild<QPushButton*>(), Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void choosingHardStartsANewGameWithAOneMinuteTimer() {
        QTemporaryDir folder;
        const QString program = uitest::MakeProgramFolder(folder, {});
        GameBoard board(uitest::TestServices(52, program));
        board.Level_Click();
        LevelForm& level = board.Windows().Level();
        level.findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
        board.State().TotalScore = 9;
        QPointer<LevelForm> closed(&level);
        QTest::keyClick(&level, Qt::Key_Return); // Enter presses Ok, as the mouse would
        QCOMPARE(board.State().Level, 1);
        QCOMPARE(board.State().WordTimerMinutes, 0);
        QCOMPARE(board.State().TotalScore, 0); // a new game
        // The new game's word timer shows from its deal on.
        QCOMPARE(board.findChild<QLabel*>(QStringLiteral("Panel5"))->text(),
                 QStringLiteral("Word Timer:  0: 60"));
        QTRY_VERIFY(closed.isNull()); // the window is destroyed on Ok
        // The level reaches the file only when the settings are written.
        QCOMPARE(SettingsBytes(program), QByteArray(" 16744576 \r\n 8 \r\n 2 \r\n"));
    }

    // Cancel keeps the stored colour, even a system colour; a chosen colour paints the
    // windows, never the menu bar, and is saved with the stored level, not this run's.
    void theColourCommandPaintsTheWindowsAndSavesTheStoredLevel() {
        QTemporaryDir folder;
        const QString program = uitest::MakeProgramFolder(folder, {});
        WriteSettings(program, "-2147483633 \r\n 8 \r\n 2 \r\n");
        GameBoard board(uitest::TestServices(54, program));
        board.ChooseLevel(1); // chosen but never stored: the command reads the file first
        const auto answerColourDialog = [](std::optional<QColor> choice) {
            QTimer::singleShot(0, [choice] {
                auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                if (dialog != nullptr && choice) {
                    dialog->setCurrentColor(*choice);
                    dialog->accept();
                } else if (dialog != nullptr) {
                    dialog->reject();
                }
            });
        };
        answerColourDialog(std::nullopt);
        board.BgOptions_Click();
        QCOMPARE(SettingsBytes(program), QByteArray("-2147483633 \r\n 8 \r\n 2 \r\n"));

        const QColor chosen(10, 120, 30);
        answerColourDialog(chosen);
        board.BgOptions_Click();
        QCOMPARE(WindowColour(board), chosen);
        QCOMPARE(WindowColour(board.Board()), chosen);
        QCOMPARE(WindowColour(*board.menuBar()), QApplication::palette().color(QPalette::Window));
        QCOMPARE(WindowColour(board.Windows().About()), chosen);
        // Red in the low byte: 10 + 120 * 256 + 30 * 65536.
        QCOMPARE(SettingsBytes(program), QByteArray(" 1996810 \r\n 8 \r\n 2 \r\n"));
        QCOMPARE(board.State().Level, 1); // the running game keeps its level
    }

    // Whatever colour is stored, the text drawn on it reads black or white at WCAG AA, and
    // the menu bar and the status bar keep the system's colours, from the first start on.
    void textOnTheStoredColourIsReadable_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("black") << QByteArray(" 0 ") << QColor(0, 0, 0);
        QTest::newRow("dull red") << QByteArray(" 3158208 ") << QColor(192, 48, 48);
        QTest::newRow("light yellow") << QByteArray(" 12648447 ") << QColor(255, 255, 192);
    }

    void textOnTheStoredColourIsReadable() {
        QFETCH(QByteArray, stored);
        QFETCH(QColor, colour);
        QTemporaryDir folder;
        const QString program = uitest::MakeProgramFolder(folder, {});
        WriteSettings(program, stored + "\r\n 8 \r\n 2 \r\n");
        GameBoard board(uitest::TestServices(59, program));
        GameWindows& windows = board.Windows();
        QList<QWidget*> onTheColour{
            &board.Board(),
            board.findChild<QLabel*>(QStringLiteral("WordLabel")),
            board.findChild<QLabel*>(QStringLiteral("ShuffleCards")),
            &windows.CardOptionsWindow(),
            windows.CardOptionsWindow().findChild<QGroupBox*>(),
            windows.NameDialog().findChild<QLabel*>(QStringLiteral("NameLabel")),
            &windows.HighScores()};
        for (QLabel* label : windows.About().Labels()) {
            onTheColour << label;
        }
        for (QRadioButton* option : windows.Level().Options()) {
            onTheColour << option;
        }
        const auto rgb = [](const QColor& c) {
            return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                       static_cast<std::uint8_t>(c.blue())};
        };
        for (QWidget* widget : onTheColour) {
            const QPalette palette = widget->palette();
            QCOMPARE(palette.color(QPalette::Window), colour);
            const QColor text = palette.color(QPalette::WindowText);
            QVERIFY2(text == Qt::black || text == Qt::white, qPrintable(widget->objectName()));
            QVERIFY2(ContrastRatio(rgb(text), rgb(colour)) >= ReadableContrast,
                     qPrintable(widget->objectName()));
        }
        const QPalette system = QApplication::palette();
        for (QWidget* bar : {static_cast<QWidget*>(board.menuBar()),
                             board.findChild<QWidget*>(QStringLiteral("Panel1"))}) {
            QCOMPARE(bar->palette().color(QPalette::Window), system.color(QPalette::Window));
            QCOMPARE(bar->palette().color(QPalette::WindowText),
                     system.color(QPalette::WindowText));
        }
    }

    void exitWritesTheSettingsAndClosesEveryWindow() {
        QTemporaryDir folder;
        const QString program = uitest::MakeProgramFolder(folder, {});
        QFile::remove(program + QStringLiteral("/Settings/Settings.txt"));
        GameBoard board(uitest::TestServices(56, program));
        board.show();
        board.Ab_Click();
        board.State().CardStyle = 4;
        board.State().Level = 3;
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QTest::keyClick(&board, Qt::Key_F8);
        QVERIFY(!board.isVisible());
        QVERIFY(!board.Windows().About().isVisible());
        QCOMPARE(SettingsBytes(program), QByteArray(" 16744576 \r\n 4 \r\n 3 \r\n"));
    }

    void theLettersWindowTotalsAndItsExitDiscardsTheEdits() {
        GameBoard board(uitest::TestServices(58));
        board.LF_Click();
        QWidget* letters = board.findChild<QWidget*>(QStringLiteral("LettersForm"));
        QVERIFY(letters != nullptr && letters->isVisible());
        QTest::mouseClick(letters->findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QCOMPARE(letters->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(),
                 QStringLiteral(" 98 Letters"));
        letters->findChild<QLineEdit*>(QStringLiteral("Text1(4)"))->setText(QStringLiteral("20"));
        letters->findChild<QLineEdit*>(QStringLiteral("Text1(25)"))->setText(QStringLiteral("z"));
        QTest::mouseClick(letters->findChild<QPushButton*>(QStringLiteral("Command2")),
                          Qt::LeftButton);
        QCOMPARE(letters->findChild<QLineEdit*>(QStringLiteral("Text2"))->text(),
                 QStringLiteral(" 105 Letters"));
        board.NewGame_Click();
        QCOMPARE(board.State().CardsTotal, 105);
        QTest::mouseClick(letters->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        board.NewGame_Click();
        QCOMPARE(board.State().CardsTotal, 98);
    }

    void everyWindowShowsTheProgramIcon() {
        const QIcon icon = ProgramIcon();
        QApplication::setWindowIcon(icon); // as the program does at start
        GameBoard board(uitest::TestServices(59));
        GameWindows& windows = board.Windows();
        const QList<QWidget*> everyWindow = {&board,
                                             &windows.About(),
                                             &windows.CardOptionsWindow(),
                                             &windows.Level(),
                                             &windows.Letters(),
                                             &windows.Help(),
                                             &windows.NameDialog(),
                                             &windows.HighScores()};
        const QImage expected = icon.pixmap(64).toImage();
        for (QWidget* window : everyWindow) {
            QVERIFY2(window->isWindow(), qPrintable(window->objectName()));
            QVERIFY2(window->windowIcon().pixmap(64).toImage() == expected,
                     qPrintable(window->objectName()));
        }
        QApplication::setWindowIcon(QIcon());
    }

    // Each secondary window stays above the board without being modal, shows its whole
    // title, and Apply with a longer caption does not widen the card options.
    void secondaryWindowsStayAboveTheBoardAndShowTheirWholeTitle() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(60, uitest::MakeProgramFolder(folder, {})));
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        GameWindows& windows = board.Windows();
        const std::function<QWidget*()> opens[] = {
            [&] { return (board.Ab_Click(), static_cast<QWidget*>(&windows.About())); },
            [&] { return (board.Highscore_Click(), &windows.HighScores()); },
            [&] { return (board.CardsOptions_Click(), &windows.CardOptionsWindow()); },
            [&] { return (board.Level_Click(), &windows.Level()); },
            [&] { return (board.LF_Click(), &windows.Letters()); },
        };
        for (const auto& open : opens) {
            QWidget* window = open();
            QVERIFY(window->isVisible());
            QVERIFY(!window->isModal());
            // X11 marks only dialog windows as transient for their parent.
            QVERIFY2(window->windowHandle()->type() == Qt::Dialog &&
                         window->windowHandle()->transientParent() == board.windowHandle(),
                     qPrintable(window->objectName()));
            QVERIFY2(window->width() >= TitleBarWidth(window->windowTitle()),
                     qPrintable(window->windowTitle()));
        }
        CardOptions& options = windows.CardOptionsWindow();
        auto* frame = options.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        const int width = options.width();
        for (int style = 0; style < 9; ++style) {
            options.CardList_Click(style);
            options.Apply_Click();
            QCoreApplication::processEvents();
            QCOMPARE(options.width(), width);
            QVERIFY2(frame->minimumSizeHint().width() <= frame->width(),
                     qPrintable(frame->title()));
        }
    }

    void cardOptionsApplyOkAndCancel() {
        QTemporaryDir folder;
        GameBoard board(uitest::TestServices(57, uitest::MakeProgramFolder(folder, {})));
        board.CardsOptions_Click();
        CardOptions* options = &board.Windows().CardOptionsWindow();
        options->CardList_Click(5);
        options->Apply_Click();
        QCOMPARE(options->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Thank You.  You selected the Robot card back style."));
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(8)); // Apply changes no picture
        QCOMPARE(board.State().CardStyle, 5);
        QTest::keyClick(options, Qt::Key_Return); // Enter presses Ok
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));
        QCOMPARE(board.Board().DiscardPicture(), std::optional<int>(5));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // Opening it again re-reads the stored settings, yet the back chosen stays.
        board.CardsOptions_Click();
        options = &board.Windows().CardOptionsWindow();
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));
        QCOMPARE(options->TestCardPicture(), std::optional<int>(5));
        options->CardList_Click(1);
        QCOMPARE(options->findChild<QLabel*>(QStringLiteral("TestCard"))
                     ->pixmap()
                     .deviceIndependentSize(),
                 QSizeF(71, 96));
        QPointer<CardOptions> cancelled(options);
        QTest::keyClick(options, Qt::Key_Escape); // Escape presses Cancel
        QTRY_VERIFY(cancelled.isNull());
        QCOMPARE(board.State().CardStyle, 5);
        QCOMPARE(board.Board().PackPicture(), std::optional<int>(5));
    }
};

LEXABIT_UI_TEST_MAIN(OptionsTest)
#include "Options_test.moc"
