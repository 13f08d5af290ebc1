#include "game/play/NumberedDeal.h"

#include "game/model/GameState.h"
#include "game/play/Deal.h"

#include <algorithm>

namespace lexabit {

std::uint32_t DrawDealNumber(RandomSource& random) {
    random.SeedFromClock();
    constexpr double span = HighestDealNumber - LowestDealNumber + 1;
    const auto drawn = static_cast<std::uint32_t>(random.Fraction() * span);
    return std::min(LowestDealNumber + drawn, HighestDealNumber);
}

void DealNumberedCards(GameState& state, const LetterCountValues& counts, RandomSource& fresh,
                       std::optional<std::uint32_t> replay) {
    state.Deal = DealIdentity{replay.value_or(0), replay.has_value(), counts};
    if (!replay) {
        state.Deal.Number = DrawDealNumber(fresh);
    }
    NumberedDealRandom random(state.Deal.Number);
    DealCards(state, counts, random);
}

std::string DealPanelText(const GameState& state) {
    std::string text = "Deal " + std::to_string(state.Deal.Number);
    if (state.Deal.Replayed) {
        text += ", replayed";
    }
    return text;
}

} // namespace lexabit
