#pragma once

#include "board/GameServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace lexabit {
class GameBoard;
class GameState;
} // namespace lexabit

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

// Keeps the names of the files the game asked to play, and plays nothing.
class RecordingSound final : public SoundOutput {
public:
    void Play(const QString& path, bool synchronous) override {
        played.append(path);
        synchronousFlags.append(synchronous);
    }
    QStringList played;
    QList<bool> synchronousFlags;
};

// A seeded random source, a clock standing still, the given program folder (the
// build's own program folder when empty), no sound and glides without pauses.
GameServices TestServices(std::uint64_t seed, const QString& programFolder = {});

// The folder that holds the built program and its data folders.
QString BuiltProgramFolder();

// A program folder of the test's own: the settings and high-score folders copied from
// the built program, and a word list holding just the given words (one per line, CR LF).
QString MakeProgramFolder(const QTemporaryDir& folder, const QStringList& words);

// Every two-letter word from AA to ZZ.
QStringList AllTwoLetterWords();

// Sets the letters window to deal only the given letters: letter number (0 = A) to count.
void UseOnlyLetters(GameBoard& board, const std::map<int, QString>& counts);

// The table card lying on column k, or 0.
int CardOnColumn(const GameState& state, int column);

// A card's place on the board, in whole pixels.
QPoint PlaceOf(const GameState& state, int index);

// Shows the board, waits until it is on screen and lays the opening cards.
void ShowAndDeal(GameBoard& board);

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
    bool Seen() const { return !texts.isEmpty(); }

    QStringList titles;
    QStringList texts;
    std::function<void()> whileShown; // runs while each box shows, before it is answered

private:
    void Answer();

    std::optional<QString> name_;
    QMessageBox::StandardButton questionAnswer_;
    QTimer timer_;
};

// Presses on the middle of a card, moves it in several steps until its corner lies on
// the given point, and lets go, as a player does.
void DragCard(GameBoard& board, int index, QPoint corner);

} // namespace lexabit::uitest

#define LEXABIT_UI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char* argv[]) {                                                             \
        lexabit::uitest::UseOffscreenWithoutDisplay();                                             \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
