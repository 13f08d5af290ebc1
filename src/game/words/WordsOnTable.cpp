#include "game/words/WordsOnTable.h"

#include "game/model/GameState.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <limits>

namespace lexabit {

namespace {

bool IsLetterCard(const GameState& state, int index, CardTag tag) {
    return state.CardExists(index) && state.Card(index).Tag == tag &&
           state.Card(index).Letter >= 'A' && state.Card(index).Letter <= 'Z';
}

std::vector<int> CardsLying(const GameState& state, std::initializer_list<CardTag> tags) {
    std::vector<int> cards;
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (std::any_of(tags.begin(), tags.end(),
                        [&](CardTag tag) { return IsLetterCard(state, i, tag); })) {
            cards.push_back(i);
        }
    }
    return cards;
}

std::size_t LetterNumber(const GameState& state, int index) {
    return static_cast<std::size_t>(state.Card(index).Letter - 'A');
}

LetterTally TallyOf(const GameState& state, const std::vector<int>& cards) {
    LetterTally tally{};
    for (const int index : cards) {
        ++tally[LetterNumber(state, index)];
    }
    return tally;
}

// The cards that spell the word, each card once, the first of its letter among those given.
std::vector<int> CardsSpelling(const GameState& state, std::string_view word,
                               std::vector<int> cards) {
    std::vector<int> spelling;
    for (const char letter : word) {
        const auto card = std::find_if(cards.begin(), cards.end(), [&](int index) {
            return state.Card(index).Letter == letter;
        });
        spelling.push_back(*card); // the finder used no letter more often than it lies here
        cards.erase(card);
    }
    return spelling;
}

} // namespace

WordSearch MissedWords(const GameState& state, const Dictionary& dictionary) {
    const std::vector<int> faceUp = CardsLying(state, {CardTag::Table, CardTag::Word});
    return FindBestWords(dictionary, TallyOf(state, faceUp), MissedWordsShown);
}

HintSearch FindHint(const GameState& state, const Dictionary& dictionary) {
    // The word cards first, in the word's order: a hint that goes on with the word laid
    // rings them as they lie.
    std::vector<int> faceUp;
    std::string laid;
    for (const int index : state.WordCards.items()) {
        if (IsLetterCard(state, index, CardTag::Word)) {
            faceUp.push_back(index);
            laid += state.Card(index).Letter;
        }
    }
    const std::vector<int> tableCards = CardsLying(state, {CardTag::Table});
    faceUp.insert(faceUp.end(), tableCards.begin(), tableCards.end());
    // Two words: the best may be the word already laid, which is no hint.
    const WordSearch words = BestWordsToHint(dictionary, TallyOf(state, faceUp), 2);
    const auto best = std::find_if(words.Words.begin(), words.Words.end(),
                                   [&](const FoundWord& found) { return found.Word != laid; });
    if (!words.Problem.empty() || best == words.Words.end()) {
        return {std::nullopt, words.Problem};
    }
    return {Hint{*best, CardsSpelling(state, best->Word, faceUp)}, {}};
}

void ChargeForHint(GameState& state, const Hint& hint) {
    ChargedHint charged{hint.Best.Word, hint.Cards};
    if (state.GameLevel == Level::VeryEasy ||
        std::ranges::find(state.HintsCharged, charged) != state.HintsCharged.end()) {
        return;
    }
    state.HintsCharged.push_back(std::move(charged));
    // Held wide enough that no number of hints can wrap it round.
    state.HintCost = std::min(state.HintCost + std::max(hint.Best.Points, 0),
                              static_cast<int>(std::numeric_limits<std::int16_t>::max()));
}

void TakeHintCost(GameState& state) {
    const int before = state.TotalScore;
    state.TotalScore = static_cast<std::int16_t>(std::max(before - state.HintCost, 0));
    state.HintCostTaken =
        state.HintsCharged.empty() ? std::nullopt : std::optional<int>(before - state.TotalScore);
    state.HintCost = 0;
    state.HintsCharged.clear();
}

std::string HintCostNotice(const GameState& state) {
    if (!state.HintsCharged.empty()) {
        return "Hints:" + NumberText(state.HintCost) + " off at the next word";
    }
    if (state.HintCostTaken) {
        return "Hints took" + NumberText(*state.HintCostTaken) + " off";
    }
    return {};
}

bool StuckPositionToAskAbout(GameState& state, const Dictionary& dictionary) {
    const std::vector<int> faceUp = CardsLying(state, {CardTag::Table, CardTag::Word});
    if (faceUp.empty() || !state.PackIsEmpty() || faceUp == state.StuckPositionAsked) {
        return false;
    }
    const WordSearch words = FindBestWords(dictionary, TallyOf(state, faceUp), 1);
    if (!words.Problem.empty() || !words.Words.empty()) {
        return false;
    }
    state.StuckPositionAsked = faceUp;
    return true;
}

} // namespace lexabit
