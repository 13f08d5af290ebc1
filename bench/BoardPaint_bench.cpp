// Times a full repaint of the board with every card face up: 98 letter cards and
// the seven markers, drawn into an image the size of the opening board; then again with a
// card held over another, so that the board also outlines the card that would take it.
#include "board/table/BoardView.h"
#include "board/table/Cards.h"
#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/play/CardDrop.h"
#include "game/play/Deal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    using namespace lexabit;

    GameState state;
    LayoutBoard(state);
    state.CardsTotal = 98;
    MersenneRandom random(1);
    DealCards(state, StandardLetterCounts, random);
    for (int i = 1; i <= state.CardsTotal; ++i) {
        CardRecord& card = state.Card(i);
        card.Visible = true;
        card.Tag = CardTag::Table;
        card.Left = static_cast<float>((i % 14) * 70);
        card.Top = static_cast<float>((i / 14) * 90);
    }
    Cards cardPics;
    cardPics.SetCardStyle(8);
    BoardView board(state, cardPics);
    board.resize(1032, 713);
    board.SetPackPicture(8);
    state.Piles.DiscardPile = true;

    // A full board, then the same board while a card is held over another, which the
    // board outlines as the card that would take it.
    const auto timeRepaints = [&](const char* what) {
        for (const qreal ratio : {1.0, 2.0}) {
            QImage target(QSize(1032, 713) * ratio, QImage::Format_ARGB32_Premultiplied);
            target.setDevicePixelRatio(ratio);
            board.render(&target); // the first paint fills the picture cache
            constexpr int runs = 200;
            std::vector<double> millis;
            millis.reserve(runs);
            for (int run = 0; run < runs; ++run) {
                QElapsedTimer timer;
                timer.start();
                board.render(&target);
                millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            }
            std::sort(millis.begin(), millis.end());
            std::printf("full board repaint, 105 cards%s, device pixel ratio %.0f: median %.3f ms, "
                        "worst %.3f ms over %d runs (one frame at 60 Hz: 16.7 ms)\n",
                        what, ratio, millis[runs / 2], millis.back(), runs);
        }
    };
    timeRepaints("");

    const CardRecord& target = state.Card(30);
    const QPointF pressAt(target.Left + 20, target.Top + 100);
    const std::optional<int> held = state.CardAt(pressAt.x(), pressAt.y());
    QMouseEvent press(QEvent::MouseButtonPress, pressAt, pressAt, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&board, &press);
    if (!held || *held == 30) {
        std::printf("no card to hold over card 30\n");
        return 1;
    }
    state.Drag.Active = true;
    state.Card(*held).Left = target.Left + 10;
    state.Card(*held).Top = target.Top + 6;
    if (ReceivingCard(state, *held) != std::optional<int>(30)) {
        std::printf("card %d held over card 30 outlines no card\n", *held);
        return 1;
    }
    timeRepaints(", one held and one outlined");
    return 0;
}
