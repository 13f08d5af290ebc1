#pragma once

// Numbered deals: every pack comes from a number, and the same number on the same letters
// deals the same pack in the same order again.

#include "game/model/Alphabet.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lexabit {

// The randomness of one numbered deal: every fresh start goes back to the beginning of the
// sequence the number names, whatever the time.
class NumberedDealRandom final : public RandomSource {
public:
    explicit NumberedDealRandom(std::uint32_t number) : number_(number), random_(number) {}

    void SeedFromClock() override { random_ = MersenneRandom(number_); }
    double Fraction() override { return random_.Fraction(); }

private:
    std::uint32_t number_;
    MersenneRandom random_;
};

// A fresh deal number, drawn from the game's random source seeded from the clock.
std::uint32_t DrawDealNumber(RandomSource& random);

// Deals the cards of a new game from a number: the one asked for, which makes the game a
// replay, or else a fresh one drawn from the game's random source. The state keeps the
// number and whether the deal is a replay.
void DealNumberedCards(GameState& state, const LetterCountValues& counts, RandomSource& fresh,
                       std::optional<std::uint32_t> replay);

// The deal as the status bar names it: "Deal 12345", or "Deal 12345, replayed".
std::string DealPanelText(const GameState& state);

} // namespace lexabit
