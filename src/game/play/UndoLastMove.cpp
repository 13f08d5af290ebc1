#include "game/play/UndoLastMove.h"

#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/scoring/WordScore.h"

#include <vector>

namespace lexabit {

namespace {

void PutBackAtUndoPlace(GameState& state, CardRecord& card) {
    card.Left = static_cast<float>(state.Undo.Left);
    card.Top = static_cast<float>(state.Undo.Top);
}

// Cards that lay directly above the picked-up card's old place in the word (markers aside).
std::vector<int> CardsAboveUndoPlace(const GameState& state) {
    std::vector<int> found;
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        if (!state.CardExists(i)) {
            continue;
        }
        const CardRecord& card = state.Card(i);
        if (card.Tag != CardTag::Marker && card.Left == static_cast<float>(state.Undo.Left) &&
            card.Top + WordCardStep == static_cast<float>(state.Undo.Top)) {
            found.push_back(i);
        }
    }
    return found;
}

void TurnIntoWordCard(GameState& state, int index) {
    state.Card(index).Tag = CardTag::Word;
    state.WordCards.Add(index);
}

// The picked-up card was a table card.
bool UndoTableCardMove(GameState& state, int index) {
    CardRecord& card = state.Card(index);
    CardList& word = state.WordCards;
    if (card.Tag == CardTag::Table) {
        PutBackAtUndoPlace(state, card);
        return true;
    }
    const int position = word.PositionOf(index);
    if (card.Tag != CardTag::Word || position == 0) {
        return false;
    }
    if (word.Count() == 2) {
        // The card started the word on another table card: both are table cards again.
        state.Card(word.Item(1)).Tag = CardTag::Table;
        state.Card(word.Item(2)).Tag = CardTag::Table;
        word.Clear();
    } else {
        card.Tag = CardTag::Table;
        word.Remove(position);
    }
    PutBackAtUndoPlace(state, card);
    return true;
}

// The picked-up word card had left the word for the table.
void ReturnCardToWord(GameState& state, int index) {
    PutBackAtUndoPlace(state, state.Card(index));
    if (state.WordCards.empty()) {
        // The move had left one card behind, which stopped being a word: it starts it again.
        const std::vector<int> above = CardsAboveUndoPlace(state);
        if (above.empty()) {
            return; // alone it would be a word of one card: it stays a table card
        }
        TurnIntoWordCard(state, above.front());
    }
    TurnIntoWordCard(state, index);
}

// The word's lower part goes back under the card it was taken from, which leads again.
void RejoinLowerPart(GameState& state) {
    LayWordAt(state, static_cast<float>(state.Undo.Left), static_cast<float>(state.Undo.Top));
    const std::vector<int> above = CardsAboveUndoPlace(state);
    for (const int index : above) {
        TurnIntoWordCard(state, index);
    }
    if (above.empty()) {
        return; // nothing to lead: the word keeps its order and still reads top to bottom
    }
    CardList& word = state.WordCards;
    for (int turn = 1; turn < word.Count(); ++turn) {
        const int first = word.First();
        word.Remove(1);
        word.Add(first);
    }
}

// The picked-up card was a word card.
bool UndoWordCardMove(GameState& state, int index) {
    const CardTag now = state.Card(index).Tag;
    CardList& word = state.WordCards;
    if (now == CardTag::Table) {
        ReturnCardToWord(state, index);
        return true;
    }
    if (now != CardTag::Word || word.empty()) {
        return false;
    }
    const bool leads = word.First() == index;
    const bool second = word.Count() >= 2 && word.Item(2) == index;
    if (state.Undo.WordPosition == 1 && leads) {
        LayWordAt(state, static_cast<float>(state.Undo.Left), static_cast<float>(state.Undo.Top));
        return true;
    }
    if (state.Undo.WordPosition == 1 && second) {
        // The word had been laid onto a table card, which stays behind where it lies.
        state.Card(word.First()).Tag = CardTag::Table;
        word.Remove(1);
        LayWordAt(state, static_cast<float>(state.Undo.Left), static_cast<float>(state.Undo.Top));
        return true;
    }
    if (state.Undo.WordPosition == 2 && leads) {
        RejoinLowerPart(state);
        return true;
    }
    return false;
}

} // namespace

void UndoLastMove(GameState& state, Effects& effects) {
    const int index = state.Undo.Card;
    bool changed = false;
    if (state.CardExists(index) && state.Undo.From == CardTag::Table) {
        changed = UndoTableCardMove(state, index);
    } else if (state.CardExists(index) && state.Undo.From == CardTag::Word) {
        changed = UndoWordCardMove(state, index);
    }
    // The labels show the word the cards now spell, as after a drop.
    state.Shown = ShowWord(state);
    if (changed) {
        effects.Repaint();
    }
}

} // namespace lexabit
