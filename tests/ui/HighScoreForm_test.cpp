#include "RecordsTestSupport.h"
#include "UiTestSupport.h"
#include "game/files/Highscore.h"
#include "records/HighScoreForm.h"
#include "ui/ColourValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace lexabit;

namespace {

QByteArray Entry(const char* name, const char* points, const char* difficulty) {
    return QByteArray(name) + "\r\n" + points + "\r\n0:15\r\n4\r\n" + difficulty + "\r\nGood\r\n";
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        texts << list.topLevelItem(row)->text(column);
    }
    return texts;
}

// A high-score window over a file of its own.
struct ScoreWindow {
    explicit ScoreWindow(const QString& scoreFile)
        : scores(scoreFile.toStdString()), form(scores, host) {
        form.Form_Load();
    }

    QTreeWidget& List() { return *form.findChild<QTreeWidget*>(QStringLiteral("HighScoreList")); }

    Highscore scores;
    uitest::FakeOptionsHost host;
    HighScoreForm form;
};

} // namespace

class HighScoreFormTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString ScoreFile() const { return folder_.filePath(QStringLiteral("highscore.dat")); }

private slots:
    void init() { QFile::remove(ScoreFile()); }

    // The window shows the table as the game orders it, best first, and a click on a
    // column header does not sort it again by text.
    void viewHighscoreShowsTheFileBestFirst() {
        ScoreWindow window(ScoreFile());
        QCOMPARE(window.host.settingsLoads, 1);
        QCOMPARE(window.List().topLevelItemCount(), 0);
        WriteFile(ScoreFile(), Entry("Bo", "999", "Hard") + Entry("Cy", "7", "Very Easy") +
                                   Entry("Al", "1234", "Easy"));
        window.form.ShowScores();
        QVERIFY(QTest::qWaitForWindowExposed(&window.form));
        QTreeWidget& list = window.List();
        QCOMPARE(Column(list, 0), QStringList({"Al", "Bo", "Cy"}));
        QStringList best;
        for (int column = 1; column < 6; ++column) {
            best << list.topLevelItem(0)->text(column);
        }
        QCOMPARE(best, QStringList({"1234", "0:15", "4", "Easy", "Good"}));
        QHeaderView* header = list.header();
        const QPoint points(header->sectionViewportPosition(1) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, points);
        QCOMPARE(Column(list, 1), QStringList({"1234", "999", "  7"}));
    }

    void formLoadShowsTheTableAsLastLoaded() {
        WriteFile(ScoreFile(), Entry("Al", "12", "Easy"));
        Highscore scores(ScoreFile().toStdString());
        QVERIFY(scores.GetScores().Ok);
        uitest::FakeOptionsHost host;
        HighScoreForm form(scores, host);
        form.Form_Load();
        auto* list = form.findChild<QTreeWidget*>(QStringLiteral("HighScoreList"));
        QCOMPARE(Column(*list, 0), QStringList({"Al"}));
    }

    void unreadableFileIsReportedOverAnEmptyList() {
        const QString folderInstead = folder_.filePath(QStringLiteral("folder.dat"));
        QVERIFY(QDir().mkpath(folderInstead));
        ScoreWindow window(folderInstead);
        uitest::MessageAnswerer messages;
        window.form.ShowScores();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(QStringLiteral("folder.dat")),
                 qPrintable(messages.texts[0]));
        QVERIFY(window.form.isVisible());
        QCOMPARE(window.List().topLevelItemCount(), 0);
    }

    void okAndEscapeHideTheWindowAndTheFrameDestroysIt() {
        Highscore scores(ScoreFile().toStdString());
        uitest::FakeOptionsHost host;
        QPointer<HighScoreForm> form = new HighScoreForm(scores, host);
        form->Form_Load();
        form->ShowScores();
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form.isNull());
        QVERIFY(!form->isVisible());
        form->ShowScores();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form->focusWidget() != nullptr ? form->focusWidget() : form.data(),
                        Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        form->show();
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
    }
};

LEXABIT_UI_TEST_MAIN(HighScoreFormTest)
#include "HighScoreForm_test.moc"
