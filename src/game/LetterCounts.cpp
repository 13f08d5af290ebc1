#include "game/LetterCounts.h"

#include "game/NumberText.h"

#include <algorithm>
#include <numeric>

namespace lexabit {

LetterCountValues ReadLetterCounts(const LetterCountTexts& texts) {
    LetterCountValues counts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const double value =
            std::clamp(LeadingNumber(texts[i]), -1.0 * MaxLetterCount, 1.0 * MaxLetterCount);
        counts[i] = static_cast<int>(RoundHalfEven(value));
    }
    return counts;
}

int SumOfCounts(const LetterCountValues& counts) {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

int CardsToDeal(const LetterCountValues& counts) {
    return std::max(0, SumOfCounts(counts));
}

LetterCountTexts StandardLetterCountTexts() {
    LetterCountTexts texts;
    std::transform(StandardLetterCounts.begin(), StandardLetterCounts.end(), texts.begin(),
                   [](int count) { return std::to_string(count); });
    return texts;
}

} // namespace lexabit
