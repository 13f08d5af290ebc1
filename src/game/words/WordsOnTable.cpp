#include "game/words/WordsOnTable.h"

#include "game/model/GameState.h"

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

// The table cards that spell the rest of the word, each card once.
std::vector<int> TableCardsSpelling(const GameState& state, std::string_view rest,
                                    std::vector<int> tableCards) {
    std::vector<int> spelling;
    for (const char letter : rest) {
        const auto card = std::find_if(tableCards.begin(), tableCards.end(), [&](int index) {
            return state.Card(index).Letter == letter;
        });
        spelling.push_back(*card); // the finder used no letter more often than it lies here
        tableCards.erase(card);
    }
    return spelling;
}

bool PackIsEmpty(const GameState& state) {
    return CardsLying(state, {CardTag::Pack}).empty();
}

} // namespace

WordSearch MissedWords(const GameState& state, const Dictionary& dictionary) {
    const std::vector<int> faceUp = CardsLying(state, {CardTag::Table, CardTag::Word});
    return FindBestWords(dictionary, {}, TallyOf(state, faceUp), MissedWordsShown);
}

HintSearch FindHint(const GameState& state, const Dictionary& dictionary) {
    const std::vector<int> tableCards = CardsLying(state, {CardTag::Table});
    const LetterTally atHand = TallyOf(state, tableCards);
    std::vector<int> wordCards;
    std::string laid;
    for (const int index : state.WordCards.items()) {
        if (state.CardExists(index) && state.Card(index).Letter != '\0') {
            wordCards.push_back(index);
            laid += state.Card(index).Letter;
        }
    }
    if (!wordCards.empty()) {
        WordSearch going = FindBestWords(dictionary, laid, atHand, 1);
        if (!going.Problem.empty()) {
            return {std::nullopt, going.Problem};
        }
        if (!going.Words.empty()) {
            Hint hint{going.Words.front(), wordCards};
            const std::vector<int> rest = TableCardsSpelling(
                state, std::string_view(hint.Best.Word).substr(laid.size()), tableCards);
            hint.Cards.insert(hint.Cards.end(), rest.begin(), rest.end());
            return {hint, {}};
        }
    }
    WordSearch fromTable = FindBestWords(dictionary, {}, atHand, 1);
    if (!fromTable.Problem.empty() || fromTable.Words.empty()) {
        return {std::nullopt, fromTable.Problem};
    }
    const FoundWord& best = fromTable.Words.front();
    return {Hint{best, TableCardsSpelling(state, best.Word, tableCards)}, {}};
}

void ChargeForHint(GameState& state, int points) {
    if (state.GameLevel == Level::VeryEasy) {
        return;
    }
    // Held wide enough that no number of hints can wrap it round.
    state.HintCost = std::min(state.HintCost + std::max(points, 0),
                              static_cast<int>(std::numeric_limits<std::int16_t>::max()));
}

void TakeHintCost(GameState& state) {
    state.TotalScore = static_cast<std::int16_t>(std::max(state.TotalScore - state.HintCost, 0));
    state.HintCost = 0;
}

bool StuckPositionToAskAbout(GameState& state, const Dictionary& dictionary) {
    const std::vector<int> faceUp = CardsLying(state, {CardTag::Table, CardTag::Word});
    if (faceUp.empty() || !PackIsEmpty(state) || faceUp == state.StuckPositionAsked) {
        return false;
    }
    const WordSearch words = FindBestWords(dictionary, {}, TallyOf(state, faceUp), 1);
    if (!words.Problem.empty() || !words.Words.empty()) {
        return false;
    }
    state.StuckPositionAsked = faceUp;
    return true;
}

} // namespace lexabit
