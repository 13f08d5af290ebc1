#include "game/TableDropRules.h"

#include "game/DropReturns.h"
#include "game/GameState.h"
#include "game/WordLayout.h"

namespace lexabit {

namespace {

void JoinEndOfWord(GameState& state, int index) {
    CardRecord& dragged = state.Card(index);
    const CardRecord& last = state.Card(state.WordCards.Last());
    dragged.Left = last.Left;
    dragged.Top = last.Top + WordCardStep;
    dragged.Tag = CardTag::Word;
    state.WordCards.Add(index);
}

void StartWordOnCard(GameState& state, int index, int target) {
    CardRecord& dragged = state.Card(index);
    CardRecord& base = state.Card(target);
    dragged.Left = base.Left;
    dragged.Top = base.Top + WordCardStep;
    base.Tag = CardTag::Word;
    state.WordCards.Add(target);
    dragged.Tag = CardTag::Word;
    state.WordCards.Add(index);
}

} // namespace

bool TableDropRefused(const GameState& state, int target) {
    const bool wordExists = !state.WordCards.empty();
    switch (state.Card(target).Tag) {
    case CardTag::Word:
    case CardTag::Used:
        // Without a word there is no end to join: the card goes back as if nothing were near.
        return !wordExists;
    case CardTag::Marker:
        return false;
    case CardTag::Table:
        return wordExists; // one word at a time
    case CardTag::Pack:
        break;
    }
    return true;
}

void DropTableCard(GameState& state, Effects& effects, int index, int target) {
    if (TableDropRefused(state, target)) {
        ReturnToStart(state, effects, index);
        return;
    }
    const CardRecord& card = state.Card(target);
    switch (card.Tag) {
    case CardTag::Word:
    case CardTag::Used:
        JoinEndOfWord(state, index);
        break;
    case CardTag::Marker:
        state.Card(index).Left = card.Left;
        state.Card(index).Top = card.Top;
        break;
    case CardTag::Table:
        StartWordOnCard(state, index, target);
        break;
    case CardTag::Pack:
        break;
    }
}

} // namespace lexabit
