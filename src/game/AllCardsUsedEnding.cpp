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

void SetControlsVisible(WordCheckView& view, bool visible) {
    static constexpr std::array<BoardControl, 6> Controls = {
        BoardControl::DiscardDeck, BoardControl::PackBack, BoardControl::CheckWordButton,
        BoardControl::WordList,    BoardControl::Fig,      BoardControl::ShuffleCards};
    for (const BoardControl control : Controls) {
        RunGuarded([&] { view.SetControlVisible(control, visible); });
    }
}

} // namespace

void EndGameAllCardsUsed(GameState& state, WordCheckView& view) {
    if (state.Level == EasyLevel) {
        AddToScore(state.TotalScore, AllCardsUsedBonus); // left out if it would overflow
    }
    RunGuarded([&] {
        view.ShowMessage(std::string(WordCheckTexts::GameOver),
                         std::string(WordCheckTexts::GameOverTitle));
    });
    SetControlsVisible(view, false);
    state.PlayerName.clear();
    RunGuarded([&] { view.PlayGameOverAnimation(); });
    SetControlsVisible(view, true);
    RunGuarded([&] { view.ShowNameDialog(); });
    // The board stays live while we wait: the name dialog's OK sets the name, records
    // the score and starts the next game from inside this loop.
    while (state.PlayerName.empty() && view.WaitForEvents()) {
    }
}

} // namespace lexabit
