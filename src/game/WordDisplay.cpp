#include "game/WordDisplay.h"

#include "game/GameState.h"
#include "game/NumberText.h"

namespace lexabit {

namespace {

int LengthBonus(int cards) {
    if (cards >= 7) {
        return 10;
    }
    if (cards == 6) {
        return 4;
    }
    return cards == 5 ? 3 : 0;
}

} // namespace

long long LaidWordPoints(const GameState& state) {
    double letters = 0;
    for (const int index : state.WordCards.items()) {
        letters += LeadingNumber(state.Card(index).DataMember);
    }
    return RoundHalfEven(letters) + LengthBonus(state.WordCards.Count());
}

WordDisplay ShowWord(const GameState& state) {
    WordDisplay display;
    for (const int index : state.WordCards.items()) {
        display.Word += state.Card(index).DataField;
    }
    display.Points = NumberText(LaidWordPoints(state)) + " Points";
    return display;
}

} // namespace lexabit
