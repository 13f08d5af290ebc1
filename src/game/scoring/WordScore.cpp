#include "game/scoring/WordScore.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <vector>

namespace lexabit {

std::string WordRowPointsText(const WordPoints& points) {
    if (!(std::abs(points.Laid) < 1e15)) {
        throw std::out_of_range("laid points out of range");
    }
    const std::string laid = NumberText(RoundHalfEven(points.Laid));
    return points.Bonus > 0 ? laid + " +" + NumberText(points.Bonus) : laid;
}

std::int16_t WordLengthBonus(std::string_view word) {
    switch (word.size()) {
    case 4:
        return 2;
    case 5:
        return 3;
    case 6:
        return 5;
    case 7:
        return 10;
    default:
        return 0;
    }
}

bool AddToScore(std::int16_t& score, double points) {
    constexpr double Lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double Highest = std::numeric_limits<std::int16_t>::max();
    const double sum = score + points;
    // Checked before rounding as well, so that no huge or non-finite sum is converted.
    if (!(sum >= Lowest - 1 && sum <= Highest + 1)) {
        return false;
    }
    const long long rounded = RoundHalfEven(sum);
    if (rounded < Lowest || rounded > Highest) {
        return false;
    }
    score = static_cast<std::int16_t>(rounded);
    return true;
}

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
    long long letters = 0;
    for (const CardRecord* card : cards) {
        letters += card->Value;
    }
    return letters + LayingBonus(static_cast<int>(cards.size()));
}

WordDisplay ShowWord(const GameState& state) {
    WordDisplay display;
    for (const CardRecord* card : WordCardRecords(state)) {
        if (card->Letter != '\0') {
            display.Word += card->Letter;
        }
    }
    display.Points = NumberText(LaidWordPoints(state)) + " Points";
    return display;
}

} // namespace lexabit
