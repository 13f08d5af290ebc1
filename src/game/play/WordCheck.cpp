#include "game/play/WordCheck.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/model/Texts.h"
#include "game/scoring/ScoreTexts.h"
#include "game/scoring/WordScore.h"
#include "game/words/Dictionary.h"
#include "game/words/WordsOnTable.h"

#include <array>
#include <string>
#include <utility>

namespace lexabit {

namespace {

constexpr int AllCardsUsedBonus = 10;

// The controls hidden for the show. The figure over the pack is hidden with them and
// stays hidden afterwards: shown again it would cover the pack like a stray disc.
constexpr std::array<BoardControl, 6> HiddenForTheShow = {
    BoardControl::DiscardDeck, BoardControl::PackBack, BoardControl::CheckWordButton,
    BoardControl::WordList,    BoardControl::Fig,      BoardControl::ShuffleCards};
constexpr std::array<BoardControl, 5> ShownAfterTheShow = {
    BoardControl::PackBack, BoardControl::DiscardDeck, BoardControl::CheckWordButton,
    BoardControl::WordList, BoardControl::ShuffleCards};

template <std::size_t N>
void SetControlsVisible(WordCheckView& view, const std::array<BoardControl, N>& controls,
                        bool visible) {
    for (const BoardControl control : controls) {
        RunGuarded([&] { view.SetControlVisible(control, visible); });
    }
}

} // namespace

void EndGameAllCardsUsed(GameState& state, WordCheckView& view) {
    if (state.GameLevel == Level::Easy) {
        AddToScore(state.TotalScore, AllCardsUsedBonus); // left out if it would overflow
    }
    RunGuarded([&] { view.GameEnded(); });
    RunGuarded([&] {
        view.ShowMessage(std::string(WordCheckTexts::GameOver),
                         std::string(WordCheckTexts::GameOverTitle));
    });
    SetControlsVisible(view, HiddenForTheShow, false);
    state.PlayerName.clear();
    RunGuarded([&] { view.PlayGameOverAnimation(); });
    SetControlsVisible(view, ShownAfterTheShow, true);
    RunGuarded([&] { view.ShowNameDialog(); });
    // The board stays live while we wait: the name dialog's OK sets the name, records
    // the score and starts the next game from inside this loop. The wait also ends when
    // the dialog is closed without a name, or the program closes.
    while (state.PlayerName.empty() && view.WaitForEvents()) {
    }
}

namespace {

constexpr int GlideSteps = 30;
// Where used cards are put, off the board, so that they never lie on a column.
constexpr float ParkedLeft = -100;
constexpr float ParkedTop = -100;

bool PackIsEmpty(const GameState& state) {
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (state.CardExists(i) && state.Card(i).Tag == CardTag::Pack) {
            return false;
        }
    }
    return true;
}

} // namespace

WordCheck::WordCheck(GameState& state, const Dictionary& dictionary, WordCheckView& view,
                     Effects& effects, const Clock& clock, ColumnFiller fillEmptyColumns)
    : state_(state), dictionary_(dictionary), view_(view), effects_(effects), clock_(clock),
      fillEmptyColumns_(std::move(fillEmptyColumns)) {}

void WordCheck::CheckWordButton_Click() {
    // The word is the one the cards on the table spell, whatever the labels last showed.
    const std::string word = ShowWord(state_).Word;
    if (!Accepts(word)) {
        return;
    }
    state_.ForgetLastMove(); // the word's cards are gone: no move of them can be taken back
    const WordPoints points{static_cast<double>(LaidWordPoints(state_)), WordLengthBonus(word)};
    ScoreWord(word, points);
    RunGuarded([&] { view_.ShowCardBackOnDiscardDeck(); });
    GatherWord();
    SendWordAway();
    RefillTable();
    WriteStatusPanels();
    if (CardsLeft(state_) == 0) {
        EndGameAllCardsUsed(state_, view_);
    }
    state_.WordCards.Clear(); // a card kept on the table is no longer part of a word
    RestartWordTimerMinutes();
}

bool WordCheck::Accepts(const std::string& word) {
    const WordLookup answer = dictionary_.CheckWord(word);
    if (answer == WordLookup::Found && !word.empty()) {
        return true;
    }
    const std::string message = answer == WordLookup::Unreadable
                                    ? WordCheckTexts::WordListUnreadable(dictionary_.WordListPath())
                                    : std::string(WordCheckTexts::NotInDictionary);
    view_.ShowMessage(message, std::string(WordCheckTexts::Title));
    return false;
}

void WordCheck::ScoreWord(const std::string& word, const WordPoints& points) {
    state_.Clocks.WordTimerStart = clock_.Now();
    RunGuarded([&] { view_.InsertWordRowAtTop(word); });
    AddToScore(state_.TotalScore, points.Laid); // left out if it would overflow
    RunGuarded([&] { view_.SetTopRowPoints(WordRowPointsText(points)); });
    AddToScore(state_.TotalScore, points.Bonus);
    TakeHintCost(state_);
    RunGuarded([&] { view_.ClearWordLabels(); });
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
    if (PackIsEmpty(state_)) {
        RunGuarded([&] { view_.SetControlVisible(BoardControl::PackBack, false); });
    }
}

void WordCheck::WriteStatusPanels() {
    RunGuarded([&] { view_.SetStatusPanel(4, CardsLeftPanel(CardsLeft(state_))); });
    RunGuarded([&] { view_.SetStatusPanel(2, WordCountPanel(view_.WordRowCount())); });
    RunGuarded([&] { view_.SetStatusPanel(1, TotalScorePanel(state_.TotalScore)); });
}

// The next word gets the level's full time; Very Easy has no word timer.
void WordCheck::RestartWordTimerMinutes() {
    if (state_.GameLevel == Level::Hard) {
        state_.Clocks.WordTimerMinutes = 0;
    } else if (state_.GameLevel == Level::Easy) {
        state_.Clocks.WordTimerMinutes = 2;
    }
}

} // namespace lexabit
