#include "RecordsTestSupport.h"
#include "UiTestSupport.h"
#include "game/files/Highscore.h"
#include "records/Namefrm.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace lexabit;

namespace {

enum class Confirmation { EnterKey, KeypadEnter, Button };

// A name dialog at the end of a game worth 7 points, with a high-score file of its own.
struct FinishedGameDialog {
    explicit FinishedGameDialog(const QString& scoreFile)
        : scores(scoreFile.toStdString()), dialog(scores, host, [this] { return FactsNow(); }) {
        dialog.Form_Load();
        dialog.show();
    }

    EndOfGameFacts FactsNow() {
        visibleWhileRecording = dialog.isVisible();
        return result;
    }

    void Confirm(Confirmation how) {
        if (how == Confirmation::Button) {
            QTest::mouseClick(&Command1(), Qt::LeftButton);
        } else if (how == Confirmation::KeypadEnter) {
            QTest::keyClick(&NameText(), Qt::Key_Enter, Qt::KeypadModifier);
        } else {
            QTest::keyClick(&NameText(), Qt::Key_Return);
        }
    }

    QLineEdit& NameText() { return *dialog.findChild<QLineEdit*>(QStringLiteral("NameText")); }
    QPushButton& Command1() { return *dialog.findChild<QPushButton*>(QStringLiteral("Command1")); }

    Highscore scores;
    uitest::FakeOptionsHost host;
    EndOfGameFacts result{7, "0:12", 3, 2, "Good"};
    bool visibleWhileRecording = true;
    Namefrm dialog;
};

const QByteArray AnnsEntry = "Ann Lee \r\n  7\r\n0:12\r\n3\r\nEasy\r\nGood\r\n";

} // namespace

Q_DECLARE_METATYPE(Confirmation)

class NamefrmTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString ScoreFile() const { return folder_.filePath(QStringLiteral("highscore.dat")); }

private slots:
    void init() { QFile::remove(ScoreFile()); }

    void emptyNameIsRefusedWithAMessage_data() {
        QTest::addColumn<Confirmation>("how");
        QTest::addColumn<QString>("title");
        QTest::newRow("Enter key") << Confirmation::EnterKey << QStringLiteral("Lexabit");
        QTest::newRow("Ok button") << Confirmation::Button << QStringLiteral("Lexabit Solitaire");
    }

    void emptyNameIsRefusedWithAMessage() {
        QFETCH(Confirmation, how);
        QFETCH(QString, title);
        FinishedGameDialog game(ScoreFile());
        QCOMPARE(game.host.settingsLoads, 1);
        QVERIFY(!game.dialog.isModal());
        uitest::MessageAnswerer messages;
        game.Confirm(how);
        QCOMPARE(messages.titles, QStringList{title});
        QCOMPARE(messages.texts, QStringList{QStringLiteral("Please enter your name.")});
        QVERIFY(game.dialog.isVisible());
        QVERIFY(game.host.playerName.isEmpty());
        QCOMPARE(game.host.newGames, 0);
        QVERIFY(!QFile::exists(ScoreFile()));
    }

    void confirmedNameIsRecordedAndANewGameStarts_data() {
        QTest::addColumn<Confirmation>("how");
        QTest::addColumn<QString>("name");
        QTest::newRow("Enter key") << Confirmation::EnterKey << QStringLiteral("Ann Lee ");
        QTest::newRow("keypad Enter") << Confirmation::KeypadEnter << QStringLiteral("Ann Lee ");
        QTest::newRow("Ok button, blanks only") << Confirmation::Button << QStringLiteral("  ");
    }

    void confirmedNameIsRecordedAndANewGameStarts() {
        QFETCH(Confirmation, how);
        QFETCH(QString, name);
        FinishedGameDialog game(ScoreFile());
        QByteArray fileAtNewGame;
        game.host.onNewGame = [&] { fileAtNewGame = uitest::FileBytes(ScoreFile()); };
        QTest::keyClicks(&game.NameText(), name);
        uitest::MessageAnswerer messages;
        game.Confirm(how);
        QVERIFY(!messages.Seen());
        QCOMPARE(game.host.playerName, name);
        QVERIFY(!game.visibleWhileRecording); // hidden before the result is recorded
        QCOMPARE(game.host.newGames, 1);
        QCOMPARE(fileAtNewGame, name.toLatin1() + AnnsEntry.mid(AnnsEntry.indexOf("\r\n")));
        QCOMPARE(game.scores.Table().size(), std::size_t{1});
    }

    void nextGameOffersTheLastNameAndRecordsASecondEntry() {
        FinishedGameDialog game(ScoreFile());
        game.NameText().setText(QStringLiteral("Ann Lee "));
        QTest::mouseClick(&game.Command1(), Qt::LeftButton);
        game.result.Score = 12;
        game.dialog.show();
        QCOMPARE(game.NameText().text(), QStringLiteral("Ann Lee "));
        // The click on Ok last time does not keep the focus: Enter goes to the name box.
        QCOMPARE(game.dialog.focusWidget(), &game.NameText());
        QTest::keyClick(game.dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(game.host.newGames, 2);
        QCOMPARE(uitest::FileBytes(ScoreFile()),
                 "Ann Lee \r\n 12\r\n0:12\r\n3\r\nEasy\r\nGood\r\n" + AnnsEntry);
    }

    void nameStaysOnOneLine() {
        FinishedGameDialog game(ScoreFile());
        game.NameText().setText(QStringLiteral("Ann\r\nLee\t"));
        QCOMPARE(game.NameText().text(), QStringLiteral("AnnLee"));
        QTest::keyClick(&game.NameText(), Qt::Key_Return);
        QCOMPARE(uitest::FileBytes(ScoreFile()).count("\r\n"), 6);
        QCOMPARE(game.host.playerName, QStringLiteral("AnnLee"));
    }

    void failedWriteIsReportedAndTheNewGameStillStarts() {
        // The high-score folder is a plain file, so the file in it cannot be written.
        const QString notAFolder = folder_.filePath(QStringLiteral("plain"));
        QFile plain(notAFolder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        FinishedGameDialog game(notAFolder + QStringLiteral("/highscore.dat"));
        game.NameText().setText(QStringLiteral("Ann"));
        bool visibleDuringMessage = true;
        uitest::MessageAnswerer messages;
        messages.whileShown = [&] { visibleDuringMessage = game.dialog.isVisible(); };
        QTest::mouseClick(&game.Command1(), Qt::LeftButton);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].startsWith(QStringLiteral("The high score could not be saved.")),
                 qPrintable(messages.texts[0]));
        QVERIFY(!visibleDuringMessage);
        QCOMPARE(game.host.newGames, 1);
    }
};

LEXABIT_UI_TEST_MAIN(NamefrmTest)
#include "Namefrm_test.moc"
