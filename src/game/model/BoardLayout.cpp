#include "game/model/BoardLayout.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <array>
#include <optional>

namespace lexabit {

void LayWordAt(GameState& state, float left, float top) {
    const CardList& word = state.WordCards;
    for (int q = 1; q <= word.Count(); ++q) {
        CardRecord& card = state.Card(word.Item(q));
        card.Left = left;
        card.Top = top + static_cast<float>((q - 1) * WordCardStep);
    }
}

void LayWordBelowFirst(GameState& state) {
    if (state.WordCards.empty()) {
        return;
    }
    const CardRecord& first = state.Card(state.WordCards.First());
    LayWordAt(state, first.Left, first.Top);
}

namespace {

constexpr int Columns = 7;

// Where the columns stood before a resize and where they stand after it.
struct ColumnMove {
    std::array<ColumnTop, Columns> from{};
    std::array<ColumnTop, Columns> to{};

    // The column whose old top is at this left edge, as an index into the arrays.
    std::optional<std::size_t> ColumnAt(float left) const {
        for (std::size_t k = 0; k < Columns; ++k) {
            if (static_cast<float>(from[k].Left) == left) {
                return k;
            }
        }
        return std::nullopt;
    }

    // A place remembered in whole pixels (where a held card was picked up, where undo puts
    // a card back) moves with its column and keeps its depth below the column's top, so it
    // still names the same place in the column after the resize.
    void MovePlace(int& left, int& top) const {
        if (const std::optional<std::size_t> k = ColumnAt(static_cast<float>(left))) {
            top += to[*k].Top - from[*k].Top;
            left = to[*k].Left;
        }
    }
};

// Moves every card that lies in a column, and the column's marker, to the column's new
// top. Which column a card lies in is judged from the markers' places before anything
// moves: a card moved onto another column's old place is not moved again with that column.
void MoveColumnsWithMarkers(GameState& state) {
    ColumnMove move;
    for (int column = 1; column <= Columns; ++column) {
        if (!state.CardExists(state.MarkerIndex(column))) {
            return; // nothing dealt yet
        }
        const CardRecord& marker = state.Card(state.MarkerIndex(column));
        const auto k = static_cast<std::size_t>(column - 1);
        move.from[k] = {static_cast<int>(marker.Left), static_cast<int>(marker.Top)};
        move.to[k] = ColumnPosition(state, column);
    }
    for (int j = 1; j <= state.CardsTotal; ++j) {
        CardRecord& card = state.Card(j);
        const std::optional<std::size_t> k = move.ColumnAt(card.Left);
        if (!k) {
            continue; // outside the columns, or used
        }
        const ColumnTop top = move.to[*k];
        const int below =
            card.Tag == CardTag::Word ? std::max(0, state.WordCards.PositionOf(j) - 1) : 0;
        card.Left = static_cast<float>(top.Left);
        card.Top = static_cast<float>(top.Top + below * WordCardStep);
    }
    for (int column = 1; column <= Columns; ++column) {
        CardRecord& marker = state.Card(state.MarkerIndex(column));
        const ColumnTop top = move.to[static_cast<std::size_t>(column - 1)];
        marker.Left = static_cast<float>(top.Left);
        marker.Top = static_cast<float>(top.Top);
    }
    move.MovePlace(state.Undo.Left, state.Undo.Top);
    move.MovePlace(state.Drag.StartLeft, state.Drag.StartTop);
}

} // namespace

ColumnTop ColumnPosition(const GameState& state, int column) {
    const double width = state.Elements.PackBack.Width;
    const auto centred = RoundHalfEven(state.ScaleWidth / 2 - width / 2);
    ColumnTop top;
    top.Left = static_cast<int>(column >= 1 && column <= 7
                                    ? RoundHalfEven(centred + (column - 4) * (width + 10))
                                    : centred);
    top.Top = static_cast<int>(RoundHalfEven(state.ScaleHeight / 3));
    return top;
}

bool LayoutApplies(double scaleWidth, double scaleHeight) {
    return scaleWidth > LayoutMinWidth && scaleHeight > LayoutMinHeight;
}

void LayoutBoard(GameState& state) {
    const auto sw = static_cast<double>(RoundHalfEven(state.ScaleWidth));
    const auto sh = static_cast<double>(RoundHalfEven(state.ScaleHeight));
    BoardElements& e = state.Elements;

    e.ClickME.Left = sw / 20;
    e.ClickME.Top = sh / 20;
    e.Fig.Left = (e.ClickME.Left + e.ClickME.Width) / 2 - e.Fig.Width / 2;
    e.Fig.Top = (e.ClickME.Top + e.ClickME.Height) / 2 - e.Fig.Height / 2;
    e.PackBack.Left = sw / 20;
    e.PackBack.Top = sh / 20;
    e.ShuffleCards.Left = sw / 20;
    e.ShuffleCards.Top = sh / 20 + e.PackBack.Height + 5;
    e.DiscardDeck.Left = sw - e.DiscardDeck.Width - sw / 20;
    e.DiscardDeck.Top = sh - e.DiscardDeck.Height - sh / 20 - 10;
    e.WordList.Left = sw - e.WordList.Width;
    e.WordList.Top = 0;
    e.CheckWordButton.Left = e.WordList.Left;
    e.CheckWordButton.Top = e.WordList.Height;
    e.WordLabel.Left = sw / 2 - e.WordLabel.Width / 2;
    e.WordLabel.Top = 10;
    e.PointsLabel.Left = e.WordLabel.Left;
    e.PointsLabel.Top = e.WordLabel.Height;
    e.StatusBar.Left = 0;
    e.StatusBar.Top = sh - e.StatusBar.Height;

    for (int i = 1; i <= state.CardsTotal && state.CardExists(i); ++i) {
        CardRecord& card = state.Card(i);
        if (card.Tag == CardTag::Pack) {
            card.Left = static_cast<float>(e.PackBack.Left);
            card.Top = static_cast<float>(e.PackBack.Top);
        }
    }
    MoveColumnsWithMarkers(state);
}

} // namespace lexabit
