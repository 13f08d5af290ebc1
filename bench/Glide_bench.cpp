// Measures how long glides last on screen with the game's own pacing: one 30-step
// move of a card, and a whole shuffle of the seven opening cards (200-step moves).
#include "board/BoardView.h"
#include "board/GameBoard.h"
#include "board/GameServices.h"
#include "board/PacedWait.h"
#include "game/CardGlide.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

class Silence final : public lexabit::SoundOutput {
public:
    void Play(const QString& /*path*/, bool /*synchronous*/) override {}
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    using namespace lexabit;

    GameServices services = GameServices::ForThisProgram();
    services.Sound = std::make_unique<Silence>();
    GameBoard board(std::move(services));
    board.show();
    board.Form_Activate();

    GameState& state = board.State();
    int card = 0;
    for (int i = 1; i <= state.CardsTotal && card == 0; ++i) {
        card = state.Card(i).Tag == CardTag::Table ? i : 0;
    }
    for (int run = 0; run < 3; ++run) {
        const float left = state.Card(card).Left;
        const float top = state.Card(card).Top;
        QElapsedTimer timer;
        timer.start();
        board.Card_MouseDown(card, 10, 10);
        board.Card_MouseMove(card, 10, 300);
        board.Card_MouseUp(card); // no card near: it glides back in 30 steps
        std::printf("30-step glide back: %.0f ms\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
        state.Card(card).Left = left;
        state.Card(card).Top = top;
    }
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        board.ShuffleSurface();
        std::printf("shuffle of the seven table cards: %.0f ms\n",
                    static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return 0;
}
