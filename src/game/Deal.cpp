#include "game/Deal.h"

#include "game/Alphabet.h"
#include "game/BoardLayout.h"
#include "game/GameState.h"
#include "game/Ports.h"

#include <array>

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
        card.DataField = LetterOf(letter);
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
        card.DataMember = std::to_string(LetterValue(card.DataField));
    }
}

void UnloadCards(GameState& state) {
    for (int i = 1; i <= state.LastCardIndex(); ++i) {
        state.DestroyCard(i);
    }
    state.Pack.Clear();
    state.WordCards.Clear();
}

} // namespace lexabit
