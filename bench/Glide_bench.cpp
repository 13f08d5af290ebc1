// Measures how long the player waits on the board's moves, with the game's own pacing
// and its own sound files (each synchronous sound holds the game for its length):
//   - the opening deal of a new game (F2): seven cards glide onto the columns;
//   - accepting a five-letter word, from the key press until the board takes input
//     again: the word gathers, glides to the discard pile and the columns refill;
//   - a shuffle of the seven table cards;
//   - a single card gliding back after a drop far from every card.
// Each move runs five times; every duration is printed, then the slowest one.
#include "board/table/BoardScale.h"
#include "board/table/BoardView.h"
#include "board/window/GameBoard.h"
#include "board/window/GameServices.h"
#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using namespace lexabit;

// The built program's folder, which holds the word list and the sound files.
class BuiltProgramFolder final : public ProgramFolder {
public:
    std::filesystem::path Path() const override { return LEXABIT_PROGRAM_DIR; }
};

int TableCardOnColumn(const GameState& state, int column) {
    const ColumnTop top = ColumnPosition(state, column);
    for (int i = 1; i <= state.CardsTotal; ++i) {
        const CardRecord& card = state.Card(i);
        if (card.Tag == CardTag::Table && card.Left == static_cast<float>(top.Left) &&
            card.Top == static_cast<float>(top.Top)) {
            return i;
        }
    }
    return 0;
}

// Drags a card by (dx, dy) from where it lies and lets it go, as the mouse handlers see it.
void DragBy(GameBoard& board, int index, double dx, double dy) {
    constexpr double grip = 10;
    board.Card_MouseDown(index, grip, grip);
    board.Card_MouseMove(index, grip + dx, grip + dy);
    board.Card_MouseUp(index);
}

// Lays STONE in the first column from the cards of columns 1 to 5 (their letters are
// written over first, so every run checks the same word).
bool LayStone(GameBoard& board) {
    GameState& state = board.State();
    constexpr std::array<std::pair<char, int>, 5> letters{
        {{'S', 1}, {'T', 1}, {'O', 1}, {'N', 1}, {'E', 1}}};
    std::array<int, 5> cards{};
    for (int column = 1; column <= 5; ++column) {
        const int card = TableCardOnColumn(state, column);
        if (card == 0) {
            return false;
        }
        cards.at(column - 1) = card;
        state.Card(card).Letter = letters.at(column - 1).first;
        state.Card(card).Value = letters.at(column - 1).second;
    }
    const CardRecord& first = state.Card(cards[0]);
    for (std::size_t q = 1; q < cards.size(); ++q) {
        const CardRecord& card = state.Card(cards.at(q));
        DragBy(board, cards.at(q), first.Left - card.Left, first.Top - card.Top);
    }
    return state.WordCards.Count() == 5;
}

// Counts the board's paints: the frames a move showed.
class PaintCounter final : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        Paints += event->type() == QEvent::Paint ? 1 : 0;
        return QObject::eventFilter(watched, event);
    }
};

// How long a move kept the player waiting, how much of that this process spent working
// (the rest is the pacing's pauses, or other programs holding the processor), and how
// many frames of the board it showed.
struct Duration {
    double WallMs = 0;
    double ProcessorMs = 0;
    int Frames = 0;
};

Duration DurationOf(QWidget& board, const std::function<void()>& move) {
    PaintCounter paints;
    board.installEventFilter(&paints);
    const std::clock_t processorStart = std::clock();
    QElapsedTimer timer;
    timer.start();
    move();
    const double wallMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const double processorMs =
        static_cast<double>(std::clock() - processorStart) * 1000.0 / CLOCKS_PER_SEC;
    board.removeEventFilter(&paints);
    return {wallMs, processorMs, paints.Paints};
}

void Report(const char* what, const std::vector<Duration>& runs, double limit) {
    std::printf("%s (at most %.0f ms)\n  ", what, limit);
    for (const Duration& run : runs) {
        std::printf(" %5.0f (%3.0f, %3d)", run.WallMs, run.ProcessorMs, run.Frames);
    }
    const auto slowest =
        std::max_element(runs.begin(), runs.end(),
                         [](const Duration& a, const Duration& b) { return a.WallMs < b.WallMs; });
    std::printf("   slowest %.0f ms\n", slowest->WallMs);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    GameServices services = GameServices::ForThisProgram();
    services.Folder = std::make_unique<BuiltProgramFolder>();
    GameBoard board(std::move(services));
    board.show();
    // Frames are painted only once the window is on the screen.
    QElapsedTimer exposure;
    exposure.start();
    while (!board.windowHandle()->isExposed() && exposure.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    // The board at the scale asked for on the command line (1, the design's size, unless
    // told), whatever room the screen gives.
    const double scale = argc > 1 ? std::strtod(argv[1], nullptr) : 1.0;
    const QSize boardPixels =
        BoardPixelsAt(std::clamp(scale, SmallestBoardScale, LargestBoardScale));
    board.resize(boardPixels + (board.size() - board.Board().size()));
    while (board.Board().size() != boardPixels && exposure.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    board.Form_Activate();
    GameState& state = board.State();
    constexpr int runs = 5;
    std::printf("board scale %.2f, device pixel ratio %.1f\n", board.Board().Scale().Factor(),
                board.devicePixelRatioF());

    std::vector<Duration> deals;
    std::vector<Duration> words;
    std::vector<Duration> shuffles;
    std::vector<Duration> returns;
    for (int run = 0; run < runs; ++run) {
        deals.push_back(DurationOf(board.Board(), [&] { board.NewGame_Click(); }));
        state.GameLevel = Level::Easy; // the word leaves the table whole and five columns refill
        for (int column = 1; column <= 7; ++column) {
            if (TableCardOnColumn(state, column) == 0) {
                std::fprintf(stderr, "column %d was not dealt\n", column);
                return 1;
            }
        }

        const int card = TableCardOnColumn(state, 7);
        returns.push_back(DurationOf(board.Board(), [&] { DragBy(board, card, 0, 300); }));
        if (TableCardOnColumn(state, 7) != card) {
            std::fprintf(stderr, "the card did not glide back to its column\n");
            return 1;
        }

        shuffles.push_back(DurationOf(board.Board(), [&] { board.ShuffleSurface(); }));

        board.NewGame_Click(); // the shuffle moved the cards off their columns' order
        state.GameLevel = Level::Easy;
        if (!LayStone(board)) {
            std::fprintf(stderr, "could not lay the word\n");
            return 1;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        words.push_back(
            DurationOf(board.Board(), [&] { QApplication::sendEvent(&board.Board(), &press); }));
        if (state.WordCards.Count() != 0 || state.TotalScore == 0 ||
            TableCardOnColumn(state, 1) == 0) {
            std::fprintf(stderr, "the word was not accepted and refilled\n");
            return 1;
        }
    }
    std::printf("milliseconds per run (in brackets: milliseconds this process spent working, "
                "frames shown)\n");
    Report("opening deal of seven cards (New Game)", deals, 1200);
    Report("accepting a five-letter word, key press to refilled board", words, 1200);
    Report("shuffle of the seven table cards", shuffles, 1500);
    Report("a card gliding back after a refused drop", returns, 150);
    return 0;
}
