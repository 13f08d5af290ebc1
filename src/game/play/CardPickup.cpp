#include "game/play/CardPickup.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/model/Texts.h"

namespace lexabit {

namespace {

int WholePixels(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

void RecordForUndo(GameState& state, int index) {
    const CardRecord& card = state.Card(index);
    state.Undo.Left = WholePixels(card.Left);
    state.Undo.Top = WholePixels(card.Top);
    state.Undo.From = card.Tag;
    if (const int position = state.WordCards.PositionOf(index); position != 0) {
        state.Undo.WordPosition = position;
    }
    state.Undo.Card = index;
}

// Only the first, the second or the last card of a word takes part of it along.
bool WordCardCanBeDragged(const CardList& word, int position) {
    return position != 0 && (position == 1 || position == 2 || position == word.Count());
}

void MoveCard(CardRecord& card, double dx, double dy) {
    card.Left = static_cast<float>(card.Left + dx);
    card.Top = static_cast<float>(card.Top + dy);
}

} // namespace

void Card_MouseDown(GameState& state, Effects& effects, int index, double x, double y) {
    const CardTag tag = state.Card(index).Tag;
    if (tag == CardTag::Marker || tag == CardTag::Used) {
        return;
    }
    RecordForUndo(state, index);
    state.Drag.GrabX = WholePixels(x);
    state.Drag.GrabY = WholePixels(y);
    state.Drag.StartLeft = WholePixels(state.Card(index).Left);
    state.Drag.StartTop = WholePixels(state.Card(index).Top);

    if (tag == CardTag::Word) {
        state.Drag.Active =
            WordCardCanBeDragged(state.WordCards, state.WordCards.PositionOf(index));
        // Each card covers the lower part of the one above it, so the letters read in order.
        for (const int wordCard : state.WordCards.items()) {
            state.RaiseCard(wordCard);
        }
    } else {
        state.RaiseCard(index);
        state.Drag.Active = true;
    }
    effects.Repaint();
}

void Card_MouseMove(GameState& state, Effects& effects, int index, double x, double y) {
    if (!state.Drag.Active) {
        return;
    }
    const double dx = x - state.Drag.GrabX;
    const double dy = y - state.Drag.GrabY;
    const CardTag tag = state.Card(index).Tag;
    if (tag == CardTag::Word) {
        const CardList& word = state.WordCards;
        const int from = word.PositionOf(index);
        if (from == 0) {
            return;
        }
        for (int q = from; q <= word.Count(); ++q) {
            MoveCard(state.Card(word.Item(q)), dx, dy);
        }
    } else if (tag == CardTag::Table || tag == CardTag::Pack) {
        MoveCard(state.Card(index), dx, dy);
    } else {
        return;
    }
    effects.Repaint();
}

} // namespace lexabit
