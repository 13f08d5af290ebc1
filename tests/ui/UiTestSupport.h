#pragma once

// The main window over a folder of the test's own, widgets by name, drags and message answers.
#include "board/table/BoardView.h"
#include "board/window/GameBoard.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lexabit::uitest {

// A clock that stands still until a test winds it on.
class SettableClock final : public Clock {
public:
    GameTime Now() const override { return now; }
    GameTime now{std::chrono::seconds(1'800'000'000)};
};

QStringList AllTwoLetterWords();

// Sounds heard, by file name and whether the game waits for them.
struct SoundRecorder final : SoundOutput {
    void Play(const QString& path, bool synchronous) override;
    QStringList heard;
};

// The built program's data files and the given words in a folder of its own, a repeatable deal,
// the clock above, sounds recorded, glides without pauses; services may change before Open.
class TestGame {
public:
    explicit TestGame(std::uint64_t seed, const QStringList& words = AllTwoLetterWords());

    QString Path(const QString& relative) const { return folder_.filePath(relative); }
    QByteArray Read(const QString& relative) const;
    void Write(const QString& relative, const QByteArray& bytes) const;
    GameBoard& Open(); // made on the first call
    GameBoard& Deal(); // opened, shown and the opening cards laid

    GameServices services;
    SettableClock& clock;
    SoundRecorder& sounds;

private:
    QTemporaryDir folder_;
    std::unique_ptr<GameBoard> board_;
};

// The child of the given name; ends the test when there is none.
template <class Widget = QWidget> Widget& Child(const QObject& parent, const QString& name) {
    auto* found = parent.findChild<Widget*>(name);
    if (found == nullptr) {
        qFatal("%s has no child %s", qPrintable(parent.objectName()), qPrintable(name));
    }
    return *found;
}
inline QAction& Command(const GameBoard& board, const char* name) {
    return Child<QAction>(board, QString::fromLatin1(name));
}
inline QString LabelText(const QObject& parent, const QString& name) {
    return Child<QLabel>(parent, name).text();
}
inline bool Shown(const QObject& parent, const QString& name) {
    return Child(parent, name).isVisible();
}
inline void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
ScoreTable RecordedScores(GameBoard& board); // as the file holds it; empty when there is none

// Starts a new game of the given letters only, one card each, on the given level.
void DealOnly(GameBoard& board, const QString& letters, Level level = Level::Easy);
int CardOnColumn(const GameState& state, int column); // 0 when the column is empty
int CardOf(const GameState& state, char letter);      // the first card of the letter, or 0
std::vector<int> ColumnCards(const GameState& state); // the cards on columns 1 to 7, 0 if none
inline QPoint PlaceOf(const GameState& state, int index) {
    return {static_cast<int>(state.Card(index).Left), static_cast<int>(state.Card(index).Top)};
}

// Drags each card after the first, in steps by the mouse, onto the card before it, at any scale.
void LayWord(GameBoard& board, const std::vector<int>& cards);
inline void LayTwoLetterWord(GameBoard& board) {
    LayWord(board, {CardOnColumn(board.State(), 1), CardOnColumn(board.State(), 2)});
}
// Once the deal has ended, lays and checks the cards of columns 1 and 2: the game's one word.
void LayAndCheckAWord(GameBoard& board);

// Names the part of a test that was running when a check failed, as a data row's name would.
struct TestPart {
    ~TestPart() {
        if (QTest::currentTestFailed()) {
            qWarning("failed in part: %s", qPrintable(name));
        }
    }
    QString name;
};

// While it lives, answers each message box (with the given button, else Enter) keeping titles
// and texts, and confirms the name dialog with the name given, or closes it on an empty name.
class MessageAnswerer {
public:
    explicit MessageAnswerer(std::optional<QString> name = std::nullopt,
                             QMessageBox::StandardButton questionAnswer = QMessageBox::Yes);

    QStringList titles, texts;
    std::function<void()> whileShown; // runs while each box shows, before it is answered

private:
    void Answer();

    std::optional<QString> name_;
    QMessageBox::StandardButton questionAnswer_;
    QTimer timer_;
};
// Answers the next colour dialog with the colour given, else Cancel; notes the one it opened on.
void AnswerColourDialog(std::optional<QColor> choice, QList<QColor>* offered = nullptr);
// Runs what leaves a game with a word in it, answering the question before it is abandoned.
inline void Abandoning(const std::function<void()>& leave) {
    const MessageAnswerer abandon;
    leave();
}

} // namespace lexabit::uitest

// Window tests run offscreen with the screens of screens.json unless given a platform or display.
#define LEXABIT_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&                                      \
            qEnvironmentVariableIsEmpty("DISPLAY")) {                                              \
            qputenv("QT_QPA_PLATFORM",                                                             \
                    "offscreen:configfile=" LEXABIT_SOURCE_DIR "/tests/ui/screens.json");          \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
