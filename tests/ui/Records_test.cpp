#include "UiTestSupport.h"
#include "game/files/Highscore.h"
#include "records/HighScoreForm.h"
#include "records/Namefrm.h"

#include <QDir>
#include <QHeaderView>

using namespace lexabit;
using uitest::Child;

namespace {

enum class Confirmation { EnterKey, KeypadEnter, Button };

QByteArray Entry(const QByteArray& name, const char* points, const char* difficulty = "Easy") {
    return name + "\r\n" + points + "\r\n0:12\r\n3\r\n" + difficulty + "\r\nGood\r\n";
}

// A name dialog at the end of a game worth 7 points, with a high-score file of its own.
struct FinishedGameDialog {
    explicit FinishedGameDialog(const QString& scoreFile)
        : scores(scoreFile.toStdString()), dialog(scores, host, [this] {
              visibleWhileRecording = dialog.isVisible();
              return result;
          }) {
        dialog.Form_Load();
        dialog.show();
    }

    void Confirm(Confirmation how) {
        if (how == Confirmation::Button) {
            QTest::mouseClick(&Child<QPushButton>(dialog, QStringLiteral("Command1")),
                              Qt::LeftButton);
        } else {
            QTest::keyClick(&NameText(),
                            how == Confirmation::EnterKey ? Qt::Key_Return : Qt::Key_Enter,
                            how == Confirmation::EnterKey ? Qt::NoModifier : Qt::KeypadModifier);
        }
    }

    QLineEdit& NameText() { return Child<QLineEdit>(dialog, QStringLiteral("NameText")); }

    Highscore scores;
    uitest::FakeOptionsHost host;
    EndOfGameFacts result{7, "0:12", 3, 2, "Good"};
    bool visibleWhileRecording = true;
    Namefrm dialog;
};

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.topLevelItem(row)->text(column);
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Confirmation)

// The name dialog and the high-score window, each over a high-score file of its own.
class RecordsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString ScoreFile() const { return folder_.filePath(QStringLiteral("highscore.dat")); }

private slots:
    void init() { QFile::remove(ScoreFile()); }

    void anEmptyNameIsRefusedWithAMessage_data() {
        QTest::addColumn<Confirmation>("how");
        QTest::addColumn<QString>("title");
        QTest::newRow("Enter key") << Confirmation::EnterKey << QStringLiteral("Lexabit");
        QTest::newRow("Ok button") << Confirmation::Button << QStringLiteral("Lexabit Solitaire");
    }

    void anEmptyNameIsRefusedWithAMessage() {
        QFETCH(Confirmation, how);
        QFETCH(QString, title);
        FinishedGameDialog game(ScoreFile());
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

    void aConfirmedNameIsRecordedBeforeTheNewGame_data() {
        QTest::addColumn<Confirmation>("how");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("Enter key") << Confirmation::EnterKey << "Ann Lee "
                                   << "Ann Lee ";
        QTest::newRow("keypad Enter") << Confirmation::KeypadEnter << "Ann Lee "
                                      << "Ann Lee ";
        QTest::newRow("Ok button, blanks only") << Confirmation::Button << "  "
                                                << "  ";
        QTest::newRow("line breaks dropped") << Confirmation::EnterKey << "Ann\r\nLee\t"
                                             << "AnnLee";
    }

    void aConfirmedNameIsRecordedBeforeTheNewGame() {
        QFETCH(Confirmation, how);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        FinishedGameDialog game(ScoreFile());
        QByteArray fileAtNewGame;
        game.host.onNewGame = [&] { fileAtNewGame = uitest::FileBytes(ScoreFile()); };
        game.NameText().setText(typed);
        uitest::MessageAnswerer messages;
        game.Confirm(how);
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(game.host.playerName, name);
        QVERIFY(!game.visibleWhileRecording); // hidden before the result is recorded
        QCOMPARE(game.host.newGames, 1);
        QCOMPARE(fileAtNewGame, Entry(name.toLatin1(), "  7"));
    }

    // The dialog offers the last name, and Enter goes to the name box though Ok was clicked.
    void theNextGameOffersTheLastName() {
        FinishedGameDialog game(ScoreFile());
        game.NameText().setText(QStringLiteral("Ann"));
        game.Confirm(Confirmation::Button);
        game.result.Score = 12;
        game.dialog.show();
        QCOMPARE(game.NameText().text(), QStringLiteral("Ann"));
        QCOMPARE(game.dialog.focusWidget(), &game.NameText());
        QTest::keyClick(game.dialog.focusWidget(), Qt::Key_Return);
        QCOMPARE(game.host.newGames, 2);
        QCOMPARE(uitest::FileBytes(ScoreFile()), Entry("Ann", " 12") + Entry("Ann", "  7"));
    }

    void aFailedWriteIsReportedAndTheNewGameStillStarts() {
        const QString plainFile = folder_.filePath(QStringLiteral("plain"));
        uitest::WriteFile(plainFile, {});
        FinishedGameDialog game(plainFile + QStringLiteral("/highscore.dat"));
        game.NameText().setText(QStringLiteral("Ann"));
        bool visibleDuringMessage = true;
        uitest::MessageAnswerer messages;
        messages.whileShown = [&] { visibleDuringMessage = game.dialog.isVisible(); };
        game.Confirm(Confirmation::Button);
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].startsWith(QStringLiteral("The high score could not be saved.")),
                 qPrintable(messages.texts[0]));
        QVERIFY(!visibleDuringMessage);
        QCOMPARE(game.host.newGames, 1);
    }

    // The window opens on the table as last loaded; View Highscore reads the file again
    // and shows it best first, and a click on a column header does not sort it by text.
    void theHighScoresShowBestFirst() {
        uitest::WriteFile(ScoreFile(), Entry("Al", " 12"));
        Highscore scores(ScoreFile().toStdString());
        QVERIFY(scores.GetScores().Ok);
        uitest::FakeOptionsHost host;
        HighScoreForm form(scores, host);
        form.Form_Load();
        QTreeWidget& list = Child<QTreeWidget>(form, QStringLiteral("HighScoreList"));
        QCOMPARE(Column(list, 0), QStringList{"Al"});

        uitest::WriteFile(ScoreFile(), Entry("Bo", "999", "Hard") + Entry("Cy", "  7") +
                                           Entry("Al", "1234", "Very Easy"));
        form.ShowScores();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(Column(list, 0), QStringList({"Al", "Bo", "Cy"}));
        QCOMPARE(Column(list, 4), QStringList({"Very Easy", "Hard", "Easy"}));
        QHeaderView* header = list.header();
        const QPoint points(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
        QCOMPARE(Column(list, 1), QStringList({"1234", "999", "  7"}));
    }

    void anUnreadableTableIsReportedOverAnEmptyList() {
        const QString folderInstead = folder_.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir().mkpath(folderInstead));
        Highscore scores(folderInstead.toStdString());
        uitest::FakeOptionsHost host;
        HighScoreForm form(scores, host);
        form.Form_Load();
        uitest::MessageAnswerer messages;
        form.ShowScores();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(QStringLiteral("folder.dat")),
                 qPrintable(messages.texts[0]));
        QVERIFY(form.isVisible());
        QCOMPARE(Child<QTreeWidget>(form, QStringLiteral("HighScoreList")).topLevelItemCount(), 0);
    }
};

LEXABIT_UI_TEST_MAIN(RecordsTest)
#include "Records_test.moc"
