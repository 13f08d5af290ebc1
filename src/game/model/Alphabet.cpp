#include "game/model/Alphabet.h"

#include "game/model/Texts.h"

#include <algorithm>
#include <numeric>

namespace lexabit {

namespace {
constexpr std::array<int, LetterCount> LetterValues = {1, 3, 3, 2,  1, 4, 2, 4, 1, 8, 5, 1, 3,
                                                       1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};
} // namespace

char LetterOf(int n) {
    if (n < 1 || n > LetterCount) {
        return '\0';
    }
    return static_cast<char>('A' + n - 1);
}

int LetterValue(char letter) {
    if (letter < 'A' || letter > 'Z') {
        return 0;
    }
    return LetterValues[static_cast<std::size_t>(letter - 'A')];
}

bool IsVowel(char letter) {
    return letter == 'A' || letter == 'E' || letter == 'I' || letter == 'O' || letter == 'U';
}

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
