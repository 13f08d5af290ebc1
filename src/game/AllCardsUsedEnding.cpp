#include "game/AllCardsUsedEnding.h"

#include "game/GameState.h"
#include "game/GuardedStep.h"
#include "game/ScoreAddition.h"
#include "game/WordCheckTexts.h"
#include "game/WordCheckView.h"

#include <array>
#include <string>

namespace lexabit {

namespace {

constexpr int EasyLevel = 2;
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
    if (state.Level == EasyLevel) {
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

} // namespace lexabit
