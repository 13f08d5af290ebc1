#pragma once

// What every window test uses: the game's main window, the widgets the tests look for by
// name, and the fakes and helpers below.
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "board/GameServices.h"
#include "ui/OptionsHost.h"

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
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lexabit::uitest {

// Window tests run on a machine without a display: fall back to the offscreen
// platform when neither a platform nor a display is given.
void UseOffscreenWithoutDisplay();

// A clock that stands still until a test winds it on.
class SettableClock final : public Clock {
public:
    GameTime Now() const override { return now; }
    GameTime now{std::chrono::seconds(1'800'000'000)};
};

// Plays nothing: window tests run without speakers.
class Silence final : public SoundOutput {
public:
    void Play(const QString&, bool) override {}
};

// The main window as the records windows see it: it only records what they ask of it.
class FakeOptionsHost final : public OptionsHost {
public:
    void LoadSettings() override {}
    void NewGame_Click() override {
        ++newGames;
        if (onNewGame) {
            onNewGame();
        }
    }
    void SetPanelText(int, const QString&) override {}
    std::int16_t NextGameLevel() const override { return 2; }
    void ChooseLevel(std::int16_t) override {}
    void ChooseCardStyle(std::int16_t) override {}
    std::optional<int> PackBack() const override { return std::nullopt; }
    void ShowBackOnPiles(std::optional<int>) override {}
    void EnterPlayerName(const QString& name) override { playerName = name; }
    bool AcceptsGameCommands() const override { return true; }

    QString playerName;
    int newGames = 0;
    std::function<void()> onNewGame;
};

// Every two-letter word from AA to ZZ.
QStringList AllTwoLetterWords();

// A game over a program folder of the test's own: the built program's settings, sounds and
// help, and a word list of just the given words (CR LF). Services are a seeded deal, a
// clock standing still, silence and glides without pauses; a test may change them
// before it opens the board.
class TestGame {
public:
    explicit TestGame(std::uint64_t seed, const QStringList& words = AllTwoLetterWords());
    ~TestGame();

    QString Path(const QString& relative) const;
    QByteArray Read(const QString& relative) const;
    void Write(const QString& relative, const QByteArray& bytes) const;

    // The board over the folder, made on the first call.
    GameBoard& Open();
    // Opened, shown on screen and the opening cards laid.
    GameBoard& Deal();

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
QString Panel(const GameBoard& board, int number);
// Destroys the windows that closed themselves.
void DeleteClosedWindows();

// Starts a new game of the given letters only, one card each, on the given level.
void DealOnly(GameBoard& board, const QString& letters, int level = 2);
// The table card lying on column k, or 0; the first card of the letter, or 0.
int CardOnColumn(const GameState& state, int column);
int CardOf(const GameState& state, char letter);
// A card's place on the board, in whole pixels.
QPoint PlaceOf(const GameState& state, int index);

// Presses on the middle of a card, moves it in several steps until its corner lies on
// the given point, and lets go, as a player does.
void DragCard(GameBoard& board, int index, QPoint corner);
// Drags each card after the first onto the card before it.
void LayWord(GameBoard& board, const std::vector<int>& cards);
// Drags the card of column 2 onto the card of column 1 and gives the two cards of the word.
std::pair<int, int> LayTwoLetterWord(GameBoard& board);

// While it lives, answers every message box as it opens (a question with the given
// button, any other box with its default) and keeps the titles and texts of the boxes.
// Given a name, it confirms the name dialog with it whenever the dialog shows, or closes
// the dialog when the name is empty.
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

// Answers the colour dialog as soon as it opens: with the colour given, else Cancel; keeps
// the colour it opened with.
void AnswerColourDialog(std::optional<QColor> choice, QColor* openedWith = nullptr);

QByteArray FileBytes(const QString& path);
void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace lexabit::uitest

#define LEXABIT_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char* argv[]) {                                                             \
        lexabit::uitest::UseOffscreenWithoutDisplay();                                             \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
