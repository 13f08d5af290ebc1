// Times a full repaint of the board with every card face up: 98 letter cards and
// the seven markers, drawn into an image the size of the opening board; then again with a
// card held over another, so that the board also outlines the card that would take it; then
// the same at two and a half times the design scale on a screen of device pixel ratio 2,
// and the relayout of a window being resized.
#include "board/table/BoardControls.h"
#include "board/table/BoardScale.h"
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
            QImage target(board.size() * ratio, QImage::Format_ARGB32_Premultiplied);
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
            std::printf("full board repaint%s, board scale %.1f, device pixel ratio "
                        "%.0f: median %.3f ms, worst %.3f ms over %d runs (one frame at 60 Hz: "
                        "16.7 ms)\n",
                        what, board.Scale().Factor(), ratio, millis[runs / 2], millis.back(), runs);
        }
    };
    std::printf("every card face up, 105 cards:\n");
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

    // The same held card on a board two and a half times the design's size.
    board.resize(BoardPixelsAt(LargestBoardScale));
    board.SetScale(BoardScaleFor(board.size()));
    timeRepaints(", one held and one outlined");

    // A board as play leaves it: a card on each of the seven columns, a word of six fanned
    // below the first, and the card held over another; the rest in the pack.
    for (int i = 1; i <= state.CardsTotal; ++i) {
        CardRecord& card = state.Card(i);
        card.Visible = i <= 13 || i == *held || i == 30;
        const int column = i <= 7 ? i : 1;
        const ColumnTop top = ColumnPosition(state, column);
        card.Left = static_cast<float>(top.Left);
        card.Top = static_cast<float>(top.Top + (i <= 7 ? 0 : (i - 7) * WordCardStep));
    }
    state.Card(30).Left = static_cast<float>(ColumnPosition(state, 5).Left);
    state.Card(30).Top = static_cast<float>(ColumnPosition(state, 5).Top + 150);
    state.Card(*held).Left = state.Card(30).Left + 10;
    state.Card(*held).Top = state.Card(30).Top + 6;
    std::printf("a board of play, 15 cards:\n");
    timeRepaints(", one held and one outlined");

    // A window resized by the player: each new size is laid out (the rules' layout and the
    // controls placed and scaled), then painted at its new scale, drawing the faces anew.
    const BoardControls controls = CreateBoardControls(board, state.Elements);
    for (const qreal ratio : {1.0, 2.0}) {
        std::vector<double> layout;
        std::vector<double> layoutAndPaint;
        for (int step = 0; step < 60; ++step) {
            const QSize pixels(1100 + 23 * step, 760 + 16 * step);
            QElapsedTimer timer;
            timer.start();
            board.resize(pixels);
            const double scale = BoardScaleFor(pixels);
            board.SetScale(scale);
            state.ScaleWidth = pixels.width() / scale;
            state.ScaleHeight = pixels.height() / scale;
            LayoutBoard(state);
            PlaceBoardControls(controls, state.Elements, scale);
            layout.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            QImage target(pixels * ratio, QImage::Format_ARGB32_Premultiplied);
            target.setDevicePixelRatio(ratio);
            board.render(&target);
            layoutAndPaint.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(layout.begin(), layout.end());
        std::sort(layoutAndPaint.begin(), layoutAndPaint.end());
        std::printf("relayout on resize, device pixel ratio %.0f, over %zu sizes: layout median "
                    "%.3f ms, worst %.3f ms; with the first paint at the new scale median %.3f "
                    "ms, worst %.3f ms\n",
                    ratio, layout.size(), layout[layout.size() / 2], layout.back(),
                    layoutAndPaint[layoutAndPaint.size() / 2], layoutAndPaint.back());
    }
    return 0;
}
