#include "game/FillEmptyColumns.h"

#include "game/Alphabet.h"
#include "game/GameState.h"
#include "game/GlideAndPlace.h"
#include "game/Ports.h"

#include <optional>

namespace lexabit {

namespace {

enum class LetterClass { Any, Vowel, Consonant };

bool IsOfClass(const CardRecord& card, LetterClass wanted) {
    switch (wanted) {
    case LetterClass::Vowel:
        return IsVowel(card.DataField);
    case LetterClass::Consonant:
        return !IsVowel(card.DataField);
    case LetterClass::Any:
        break;
    }
    return true;
}

int CountCards(const GameState& state, CardTag tag, LetterClass wanted) {
    int count = 0;
    for (int i = 1; i <= state.CardsTotal; ++i) {
        const CardRecord& card = state.Card(i);
        if (card.Tag == tag && IsOfClass(card, wanted)) {
            ++count;
        }
    }
    return count;
}

// The pack card of that class with the lowest index: the deal's order.
std::optional<int> FirstPackCard(const GameState& state, LetterClass wanted) {
    for (int i = 1; i <= state.CardsTotal; ++i) {
        const CardRecord& card = state.Card(i);
        if (card.Tag == CardTag::Pack && IsOfClass(card, wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

struct TableBalance {
    int Vowels = 0;
    int Consonants = 0;
};

// Which class of card the next empty column should get, counting it in the balance.
std::optional<LetterClass> NextWanted(const GameState& state, TableBalance& table) {
    const bool balanceOutOfReach =
        PackVowels(state) + table.Vowels < 3 || PackConsonants(state) + table.Consonants < 4;
    if (balanceOutOfReach) {
        return LetterClass::Any;
    }
    if (table.Vowels < 3) {
        ++table.Vowels;
        return LetterClass::Vowel;
    }
    if (table.Consonants < 4) {
        ++table.Consonants;
        return LetterClass::Consonant;
    }
    return std::nullopt;
}

void DealToColumn(GameState& state, Effects& effects, int cardIndex, int markerIndex) {
    CardRecord& card = state.Card(cardIndex);
    card.Visible = true;
    card.Tag = CardTag::Table;
    const CardRecord& marker = state.Card(markerIndex);
    GlideAndPlace(state, effects, cardIndex, marker.Left, marker.Top);
    effects.Repaint();
    effects.PlaySound("InitAnimation");
}

} // namespace

bool ColumnIsEmpty(const GameState& state, int markerIndex) {
    const CardRecord& marker = state.Card(markerIndex);
    for (int i = 1; i <= state.CardsTotal; ++i) {
        const CardRecord& card = state.Card(i);
        if (card.Tag != CardTag::Pack && card.Left == marker.Left && card.Top == marker.Top) {
            return false;
        }
    }
    return true;
}

int PackVowels(const GameState& state) {
    return CountCards(state, CardTag::Pack, LetterClass::Vowel);
}

int PackConsonants(const GameState& state) {
    return CountCards(state, CardTag::Pack, LetterClass::Consonant);
}

void FillEmptyColumns(GameState& state, Effects& effects) {
    TableBalance table{CountCards(state, CardTag::Table, LetterClass::Vowel),
                       CountCards(state, CardTag::Table, LetterClass::Consonant)};
    for (int column = 1; column <= 7; ++column) {
        const int markerIndex = state.MarkerIndex(column);
        if (state.Card(markerIndex).Tag != CardTag::Marker || !ColumnIsEmpty(state, markerIndex)) {
            continue;
        }
        const std::optional<LetterClass> wanted = NextWanted(state, table);
        if (!wanted) {
            continue;
        }
        if (const std::optional<int> card = FirstPackCard(state, *wanted)) {
            DealToColumn(state, effects, *card, markerIndex);
        }
    }
}

} // namespace lexabit
