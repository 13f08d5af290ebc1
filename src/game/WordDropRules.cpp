#include "game/WordDropRules.h"

#include "game/DropReturns.h"
#include "game/GameState.h"
#include "game/NumberText.h"
#include "game/WordLayout.h"

namespace lexabit {

namespace {

// The first card stays behind on the table where it lies.
void LeaveFirstCard(GameState& state) {
    state.Card(state.WordCards.First()).Tag = CardTag::Table;
    state.WordCards.Remove(1);
}

// A table card becomes the word's first letter, and the word is fanned out below it.
void StartWordAt(GameState& state, int target) {
    state.Card(target).Tag = CardTag::Word;
    state.WordCards.AddFront(target);
    LayWordBelowFirst(state);
}

void LayWordAtCard(GameState& state, int target) {
    const CardRecord& card = state.Card(target);
    LayWordAt(state, card.Left, card.Top);
}

bool InColumnOfFirstCard(const GameState& state, const CardRecord& marker) {
    return marker.Left == state.Card(state.WordCards.First()).Left;
}

void DropFirstCard(GameState& state, int target) {
    if (state.Card(target).Tag == CardTag::Marker) {
        LayWordAtCard(state, target);
    } else {
        StartWordAt(state, target);
    }
}

void DropSecondCard(GameState& state, int target) {
    const CardRecord& card = state.Card(target);
    if (card.Tag == CardTag::Marker && InColumnOfFirstCard(state, card)) {
        LayWordAtCard(state, target);
        return;
    }
    LeaveFirstCard(state);
    if (card.Tag == CardTag::Marker) {
        LayWordAtCard(state, target);
    } else {
        StartWordAt(state, target);
    }
}

void DropLastCard(GameState& state, Effects& effects, int index, int target) {
    CardList& word = state.WordCards;
    const int count = word.Count();
    CardRecord& dragged = state.Card(index);
    const CardRecord& card = state.Card(target);
    const CardRecord& before = state.Card(word.Item(count - 1));
    if (card.Tag == CardTag::Marker && InColumnOfFirstCard(state, card)) {
        dragged.Left = before.Left;
        dragged.Top = before.Top + WordCardStep;
    } else if (card.Tag == CardTag::Marker) {
        dragged.Tag = CardTag::Table;
        word.Remove(count);
        dragged.Left = card.Left;
        dragged.Top = card.Top;
    } else if (WordDropRefused(state, index, target)) {
        state.StartLeft = static_cast<int>(RoundHalfEven(before.Left));
        state.StartTop = static_cast<int>(RoundHalfEven(before.Top + WordCardStep));
        ReturnToStart(state, effects, index);
    } else {
        // Two cards: the word starts anew on the table card.
        state.Card(word.First()).Tag = CardTag::Table;
        word.Clear();
        state.Card(target).Tag = CardTag::Word;
        word.Add(target);
        word.Add(index);
        dragged.Left = card.Left;
        dragged.Top = card.Top + WordCardStep;
    }
}

} // namespace

bool WordDropRefused(const GameState& state, int index, int target) {
    const CardList& word = state.WordCards;
    const int position = word.PositionOf(index);
    const bool lastOfThreeOrMore = position == word.Count() && position >= 3;
    return lastOfThreeOrMore && state.Card(target).Tag == CardTag::Table;
}

void DropWordCard(GameState& state, Effects& effects, int index, int target) {
    const CardList& word = state.WordCards;
    const int position = word.PositionOf(index);
    if (position == 1) {
        DropFirstCard(state, target);
    } else if (position == 2 && word.Count() >= 3) {
        DropSecondCard(state, target);
    } else if (position == word.Count() && position >= 2) {
        DropLastCard(state, effects, index, target);
    }
}

} // namespace lexabit
