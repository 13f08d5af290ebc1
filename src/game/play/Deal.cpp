#include "game/play/Deal.h"

#include "game/model/Alphabet.h"
#include "game/model/BoardLayout.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/motion/CardGlide.h"

#include <array>
#include <optional>

namespace lexabit {

namespace {

// The vowels an extra card may bring, by the drawn number 1..4.
constexpr std::array<int, 4> ExtraVowels = {5, 1, 9, 15}; // E, A, I, O

int DrawWhole(RandomSource& random, int range) {
    return static_cast<int>(random.Fraction() * range) + 1;
}

bool BringsNoExtraVowel(int letter) {
    return letter == 1 || letter == 5 || letter == 9 || letter == 15;
}

class Dealer {
public:
    Dealer(GameState& state, const LetterCountValues& counts) : state_(state), counts_(counts) {}

    int Dealt() const { return dealt_; }
    int CountOf(int letter) const { return counts_[static_cast<std::size_t>(letter - 1)]; }

    void Deal(int letter) {
        ++dealt_;
        state_.CreateCard(dealt_);
        CardRecord& card = state_.Card(dealt_);
        card.Left = static_cast<float>(state_.Elements.PackBack.Left);
        card.Top = static_cast<float>(state_.Elements.PackBack.Top);
        card.Tag = CardTag::Pack;
        card.Picture = letter;
        card.Letter = LetterOf(letter);
        counts_[static_cast<std::size_t>(letter - 1)] -= 1;
        state_.Pack.Add(dealt_);
    }

private:
    GameState& state_;
    LetterCountValues counts_;
    int dealt_ = 0;
};

} // namespace

void DealCards(GameState& state, const LetterCountValues& counts, RandomSource& random) {
    random.SeedFromClock();
    state.Pack.Clear();
    state.WordCards.Clear();

    Dealer dealer(state, counts);
    const int total = state.CardsTotal;
    while (dealer.Dealt() < total) {
        const int letter = DrawWhole(random, 26);
        if (dealer.CountOf(letter) < 1) {
            continue;
        }
        dealer.Deal(letter);
        if (BringsNoExtraVowel(letter)) {
            continue;
        }
        const int x = DrawWhole(random, 4);
        if (dealer.Dealt() % x == 0) {
            const int vowel = ExtraVowels[static_cast<std::size_t>(DrawWhole(random, 4) - 1)];
            if (dealer.CountOf(vowel) >= 1 && dealer.Dealt() < total) {
                dealer.Deal(vowel);
            }
        }
    }

    for (int column = 1; column <= 7; ++column) {
        const int index = state.MarkerIndex(column);
        state.CreateCard(index);
        CardRecord& marker = state.Card(index);
        const ColumnTop top = ColumnPosition(state, column);
        marker.Left = static_cast<float>(top.Left);
        marker.Top = static_cast<float>(top.Top);
        marker.Tag = CardTag::Marker;
    }

    for (int i = 1; i <= total; ++i) {
        CardRecord& card = state.Card(i);
        card.Value = LetterValue(card.Letter);
    }
}

void UnloadCards(GameState& state) {
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        state.DestroyCard(i);
    }
    state.Pack.Clear();
    state.WordCards.Clear();
}

namespace {

enum class LetterClass { Any, Vowel, Consonant };

bool IsOfClass(const CardRecord& card, LetterClass wanted) {
    switch (wanted) {
    case LetterClass::Vowel:
        return IsVowel(card.Letter);
    case LetterClass::Consonant:
        return !IsVowel(card.Letter);
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
