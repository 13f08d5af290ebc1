#include "game/play/CardDrop.h"

#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/model/Texts.h"
#include "game/motion/CardGlide.h"

#include <cmath>

namespace lexabit {

namespace {

bool CanBeTarget(CardTag dragged, int draggedIndex, CardTag candidate, int candidateIndex) {
    if (dragged == CardTag::Word) {
        return candidate != CardTag::Used && candidate != CardTag::Word;
    }
    return candidate != CardTag::Pack && candidateIndex != draggedIndex;
}

} // namespace

int CardDistance(const CardRecord& card, double x, double y) {
    const double dx = card.Left - x;
    const double dy = card.Top - y;
    return static_cast<int>(RoundHalfEven(std::sqrt(dy * dy + dx * dx)));
}

std::optional<int> FindDropTarget(const GameState& state, int draggedIndex) {
    const CardRecord& dragged = state.Card(draggedIndex);
    std::optional<int> target;
    int best = DropReach;
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        if (!state.CardExists(i)) {
            continue;
        }
        const CardRecord& candidate = state.Card(i);
        if (!CanBeTarget(dragged.Tag, draggedIndex, candidate.Tag, i)) {
            continue;
        }
        const int distance = CardDistance(dragged, candidate.Left, candidate.Top);
        if (distance < best) {
            best = distance;
            target = i;
        }
    }
    return target;
}

namespace {

void GlideWordBack(GameState& state, Effects& effects) {
    const CardList& word = state.WordCards;
    for (int q = 1; q <= word.Count(); ++q) {
        effects.GlideCard(word.Item(q), state.Drag.StartLeft,
                          state.Drag.StartTop + (q - 1) * WordCardStep, CardGlideSteps);
        effects.PlaySound("DrawStack");
    }
}

} // namespace

void ReturnToStart(GameState& state, Effects& effects, int index) {
    GlideAndPlace(state, effects, index, static_cast<float>(state.Drag.StartLeft),
                  static_cast<float>(state.Drag.StartTop));
}

void ReturnWithoutTarget(GameState& state, Effects& effects, int index) {
    if (state.Card(index).Tag != CardTag::Word) {
        ReturnToStart(state, effects, index);
        return;
    }
    const CardList& word = state.WordCards;
    const int position = word.PositionOf(index);
    if (position == word.Count()) {
        ReturnToStart(state, effects, index);
    } else if (position == 1) {
        GlideWordBack(state, effects);
    } else if (position == 2) {
        // The lower part goes back under the first card, wherever that stands now.
        const CardRecord& first = state.Card(word.First());
        state.Drag.StartLeft = static_cast<int>(RoundHalfEven(first.Left));
        state.Drag.StartTop = static_cast<int>(RoundHalfEven(first.Top));
        GlideWordBack(state, effects);
    }
}

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
        state.Drag.StartLeft = static_cast<int>(RoundHalfEven(before.Left));
        state.Drag.StartTop = static_cast<int>(RoundHalfEven(before.Top + WordCardStep));
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

std::optional<int> ReceivingCard(const GameState& state, int draggedIndex) {
    if (!state.Drag.Active || !state.CardExists(draggedIndex)) {
        return std::nullopt;
    }
    const std::optional<int> target = FindDropTarget(state, draggedIndex);
    if (!target || state.Card(*target).Tag == CardTag::Pack) {
        return std::nullopt;
    }
    switch (state.Card(draggedIndex).Tag) {
    case CardTag::Table:
        return TableDropRefused(state, *target) ? std::nullopt : target;
    case CardTag::Word:
        return WordDropRefused(state, draggedIndex, *target) ? std::nullopt : target;
    default:
        return std::nullopt;
    }
}

namespace {

void DropDraggedCard(GameState& state, Effects& effects, int index) {
    const std::optional<int> target = FindDropTarget(state, index);
    if (!target || state.Card(*target).Tag == CardTag::Pack) {
        ReturnWithoutTarget(state, effects, index);
        return;
    }
    effects.PlaySound("DrawCard");
    const CardTag dragged = state.Card(index).Tag;
    if (dragged == CardTag::Word) {
        DropWordCard(state, effects, index, *target);
    } else if (dragged == CardTag::Table) {
        DropTableCard(state, effects, index, *target);
    }
}

// A word of one card is no word: that card stays where it lies as a table card.
void DissolveOneCardWord(GameState& state) {
    if (state.WordCards.Count() == 1) {
        state.Card(state.WordCards.First()).Tag = CardTag::Table;
        state.WordCards.Clear();
    }
}

} // namespace

void Card_MouseUp(GameState& state, Effects& effects, int index) {
    if (state.Drag.Active) {
        state.Drag.Active = false;
        DropDraggedCard(state, effects, index);
    }
    DissolveOneCardWord(state);
    state.Shown = ShowWord(state);
    effects.Repaint();
}

} // namespace lexabit
