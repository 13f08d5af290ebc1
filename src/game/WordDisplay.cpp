#include "game/WordDisplay.h"

#include "game/GameState.h"
#include "game/NumberText.h"

#include <vector>

namespace lexabit {

int LayingBonus(int cards) {
    if (cards >= 7) {
        return 10;
    }
    if (cards == 6) {
        return 4;
    }
    return cards == 5 ? 3 : 0;
}

namespace {

// The word's cards that exist; a listed card that does not is left out of the word.
std::vector<const CardRecord*> WordCardRecords(const GameState& state) {
    std::vector<const CardRecord*> cards;
    for (const int index : state.WordCards.items()) {
        if (state.CardExists(index)) {
            cards.push_back(&state.Card(index));
        }
    }
    return cards;
}

} // namespace

long long LaidWordPoints(const GameState& state) {
    const std::vector<const CardRecord*> cards = WordCardRecords(state);
    double letters = 0;
    for (const CardRecord* card : cards) {
        letters += LeadingNumber(card->DataMember);
    }
    return RoundHalfEven(letters) + LayingBonus(static_cast<int>(cards.size()));
}

WordDisplay ShowWord(const GameState& state) {
    WordDisplay display;
    for (const CardRecord* card : WordCardRecords(state)) {
        display.Word += card->DataField;
    }
    display.Points = NumberText(LaidWordPoints(state)) + " Points";
    return display;
}

} // namespace lexabit
