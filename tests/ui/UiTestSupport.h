#pragma once

// What every window test uses: the game's main window over a folder of the test's own, the
// widgets found by name, a player's drags and an answer to every message box.
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "board/GameServices.h"
#include "game/files/Highscore.h"

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

// A game over a folder of its own: the built program's settings, sounds and help, and a
// word list of just the given words. Its services are a seeded deal, a clock standing still,
// silence and glides without pauses; a test may change them before it opens the board.
class TestGame {
public:
    explicit TestGame(std::uint64_t seed, const QStringList& words = AllTwoLetterWords());
    ~TestGame();

    QString Path(const QString& relative) const;
    QByteArray Read(const QString& relative) const;
    void Write(const QString& relative, const QByteArray& bytes) const;
    GameBoard& Open(); // the board over the folder, made on the first call
    GameBoard& Deal(); // opened, shown and the opening cards laid

    GameServices services;
    SettableClock& clock;

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
QAction& Command(const GameBoard& board, const char* name);
void DeleteClosedWindows();
// The high-score table as the file holds it now; empty when there is none.
ScoreTable RecordedScores(GameBoard& board);

// Starts a new game of the given letters only, one card each, on the given level.
void DealOnly(GameBoard& board, const QString& letters, Level level = Level::Easy);
int CardOnColumn(const GameState& state, int column); // 0 when the column is empty
int CardOf(const GameState& state, char letter);      // the first card of the letter, or 0
QPoint PlaceOf(const GameState& state, int index);

// Drags each card after the first, in several steps by the mouse, onto the card before it.
void LayWord(GameBoard& board, const std::vector<int>& cards);
// Lays the card of column 2 on the card of column 1.
void LayTwoLetterWord(GameBoard& board);

// While it lives, answers every message box as it opens (a question with the given
// button, any other box with its default) and keeps the titles and texts of the boxes.
// Given a name, it confirms the name dialog with it, or closes the dialog when it is empty.
class MessageAnswerer {
public:
    explicit MessageAnswerer(std::optional<QString> name = std::nullopt,
                             QMessageBox::StandardButton questionAnswer = QMessageBox::Yes);

    QStringList titles;
    QStringList texts;
    std::function<void()> whileShown; // runs while each box shows, before it is answered

private:
    void Answer();

    std::optional<QString> name_;
    QMessageBox::StandardButton questionAnswer_;
    QTimer timer_;
};

// Answers the colour dialog as it opens: with the colour given, else Cancel.
void AnswerColourDialog(std::optional<QColor> choice);

QByteArray FileBytes(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace lexabit::uitest

// Window tests run on the offscreen platform unless a platform or a display is given.
#define LEXABIT_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char* argv[]) {                                                             \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&                                      \
            qEnvironmentVariableIsEmpty("DISPLAY")) {                                              \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        }                                                                                          \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
