#include "game/play/WordCheck.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/model/Texts.h"
#include "game/play/GameRound.h"
#include "game/scoring/ScoreTexts.h"
#include "game/scoring/WordScore.h"
#include "game/words/Dictionary.h"
#include "game/words/WordsOnTable.h"

#include <string>
#include <utility>

namespace lexabit {

namespace {

constexpr int AllCardsUsedBonus = 10;

} // namespace

void AwardAllCardsUsed(GameState& state) {
    if (state.GameLevel == Level::Easy) {
        AddToScore(state.TotalScore, AllCardsUsedBonus); // left out if it would overflow
    }
    state.PlayerName.clear();
}

namespace {

constexpr int GlideSteps = 30;
// Where used cards are put, off the board, so that they never lie on a column.
constexpr float ParkedLeft = -100;
constexpr float ParkedTop = -100;

} // namespace

WordCheck::WordCheck(GameState& state, const Dictionary& dictionary, Effects& effects,
                     const Clock& clock, ColumnFiller fillEmptyColumns)
    : state_(state), dictionary_(dictionary), effects_(effects), clock_(clock),
      fillEmptyColumns_(std::move(fillEmptyColumns)) {}

WordCheckOutcome WordCheck::Check() {
    // The word is the one the cards on the table spell, whatever the labels last showed.
    const std::string word = ShowWord(state_).Word;
    if (std::string refusal = Refusal(word); !refusal.empty()) {
        return {WordCheckOutcome::Result::Refused, std::move(refusal),
                std::string(WordCheckTexts::Title)};
    }
    state_.ForgetLastMove(); // the word's cards are gone: no move of them can be taken back
    const WordPoints points{static_cast<double>(LaidWordPoints(state_)), WordLengthBonus(word)};
    ScoreWord(word, points);
    state_.Piles.DiscardPile = true;
    effects_.Repaint(); // the word listed, the labels cleared, the pile shown
    GatherWord();
    SendWordAway();
    RefillTable();
    const bool allUsed = CardsLeft(state_) == 0;
    state_.WordCards.Clear(); // a card kept on the table is no longer part of a word
    // The next word gets the level's full time; Very Easy has no word timer.
    state_.Clocks.WordTimerMinutes =
        static_cast<std::int16_t>(WordTimerMinutesFor(state_.GameLevel));
    return {allUsed ? WordCheckOutcome::Result::AllCardsUsed : WordCheckOutcome::Result::Accepted,
            {},
            {}};
}

std::string WordCheck::Refusal(const std::string& word) const {
    const WordLookup answer = dictionary_.CheckWord(word);
    if (answer == WordLookup::Found && !word.empty()) {
        return {};
    }
    return answer == WordLookup::Unreadable
               ? WordCheckTexts::WordListUnreadable(dictionary_.WordListPath())
               : std::string(WordCheckTexts::NotInDictionary);
}

void WordCheck::ScoreWord(const std::string& word, const WordPoints& points) {
    state_.Clocks.WordTimerStart = clock_.Now();
    AddToScore(state_.TotalScore, points.Laid); // left out if it would overflow
    state_.WordsFound.push_back({word, WordRowPointsText(points)});
    AddToScore(state_.TotalScore, points.Bonus);
    TakeHintCost(state_);
    state_.Shown = {};
}

// Every card of the word glides, one after the other, onto the place of the first.
void WordCheck::GatherWord() {
    for (int i = 1; i <= state_.WordCards.Count(); ++i) {
        RunGuarded([&] {
            const CardRecord& first = state_.Card(state_.WordCards.First());
            const float left = first.Left;
            const float top = first.Top;
            const int index = state_.WordCards.Item(i);
            RunGuarded([&] {
                effects_.GlideCard(index, static_cast<double>(RoundHalfEven(left)),
                                   static_cast<double>(RoundHalfEven(top)), GlideSteps);
            });
            CardRecord& card = state_.Card(index);
            // The glide ends on the first card's place in whole pixels. The card that
            // stays on the Hard level must lie exactly on that place, which is a column's
            // place, or that column would count as empty and be dealt a second card.
            card.Left = left;
            card.Top = top;
            card.Tag = CardTag::Table;
        });
    }
}

// The cards glide to the discard pile from the first on and are parked off the board;
// on the Hard level the last card stays on the table.
void WordCheck::SendWordAway() {
    const int count = state_.WordCards.Count();
    const int leaving = state_.GameLevel == Level::Hard ? count - 1 : count;
    const auto pileLeft = static_cast<double>(RoundHalfEven(state_.Elements.DiscardDeck.Left));
    const auto pileTop = static_cast<double>(RoundHalfEven(state_.Elements.DiscardDeck.Top));
    for (int sent = 0; sent < leaving; ++sent) {
        RunGuarded([&] {
            const int index = state_.WordCards.First();
            RunGuarded([&] { effects_.GlideCard(index, pileLeft, pileTop, GlideSteps); });
            RunGuarded([&] {
                CardRecord& card = state_.Card(index);
                card.Left = ParkedLeft;
                card.Top = ParkedTop;
                card.Tag = CardTag::Used;
                card.Visible = false;
            });
            // Taken off the list even when its card is missing, so the rest still go.
            state_.WordCards.Remove(1);
            effects_.Repaint();
        });
    }
}

void WordCheck::RefillTable() {
    RunGuarded([&] { fillEmptyColumns_(state_, effects_); });
    if (state_.PackIsEmpty()) {
        state_.Piles.Pack = false;
        effects_.Repaint();
    }
}

} // namespace lexabit
