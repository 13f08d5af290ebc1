#include "board/table/KeyboardPlayer.h"

#include "board/table/BoardAccessible.h"
#include "board/table/BoardView.h"
#include "game/model/GameState.h"
#include "game/play/KeyboardMoves.h"

namespace lexabit {

KeyboardPlayer::KeyboardPlayer(GameState& state, Effects& effects, BoardView& board,
                               KeyboardPlayChoice choice, Hooks hooks, QObject* parent)
    : QObject(parent), state_(state), effects_(effects), board_(board), choice_(std::move(choice)),
      hooks_(std::move(hooks)) {
    connect(this, &KeyboardPlayer::FocusMoved, &board_, [this] { AnnounceBoardFocus(board_); });
}

std::string KeyboardPlayer::LoadChoice() {
    const KeyboardPlayRead read = choice_.Load();
    Apply(read.On);
    return read.Problem;
}

FileOutcome KeyboardPlayer::Choose(bool on) {
    Apply(on);
    return choice_.Save(on);
}

void KeyboardPlayer::Apply(bool on) {
    on_ = on;
    if (!on) {
        PutBackCarried(state_, effects_);
        state_.Keys.Focus.reset();
        AfterMove();
        return;
    }
    if (!state_.Keys.Focus) {
        const std::vector<int> stops = FocusStops(state_);
        if (!stops.empty()) {
            state_.Keys.Focus = stops.front();
        }
    }
    board_.update();
    emit FocusMoved();
}

bool KeyboardPlayer::PlayKey(QKeyCombination key) {
    if (!on_) {
        return false;
    }
    const bool carrying = state_.Keys.Held.has_value();
    if (state_.Phase != GamePhase::Playing || (!carrying && !hooks_.TakesPlay())) {
        return true; // over, paused or a card under the mouse: the keys wait
    }
    if (!state_.Keys.Focus) {
        Apply(true);
    }
    switch (key.key()) {
    case Qt::Key_Left:
        MoveFocus(state_, effects_, FocusDirection::Left);
        break;
    case Qt::Key_Right:
        MoveFocus(state_, effects_, FocusDirection::Right);
        break;
    case Qt::Key_Up:
        MoveFocus(state_, effects_, FocusDirection::Up);
        break;
    case Qt::Key_Down:
        MoveFocus(state_, effects_, FocusDirection::Down);
        break;
    case Qt::Key_Space:
        if (carrying) {
            DropCarried(state_, effects_);
        } else {
            PickUpFocused(state_, effects_);
        }
        break;
    case Qt::Key_Escape:
        PutBackCarried(state_, effects_);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!carrying) {
            hooks_.CheckWord();
        }
        return true;
    default:
        return true;
    }
    AfterMove();
    return true;
}

void KeyboardPlayer::AfterMove() {
    if (hooks_.Moved) {
        hooks_.Moved();
    }
    board_.update();
    emit FocusMoved();
}

} // namespace lexabit
