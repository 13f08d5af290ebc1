#pragma once

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/play/CardDrop.h"
#include "game/play/CardPickup.h"

namespace lexabit::testing {

// Where the pointer grasps a card in these tests, from its top-left corner.
inline constexpr double GraspX = 10;
inline constexpr double GraspY = 10;

// Presses on the card and moves the pointer so that the card's corner reaches (left, top).
inline void PickUpAndMove(GameState& state, Effects& effects, int index, float left, float top) {
    Card_MouseDown(state, effects, index, GraspX, GraspY);
    const CardRecord& card = state.Card(index);
    Card_MouseMove(state, effects, index, GraspX + (left - card.Left), GraspY + (top - card.Top));
}

// A whole drag: press, move the card's corner to (left, top), let go.
inline WordDisplay DragTo(GameState& state, Effects& effects, int index, float left, float top) {
    PickUpAndMove(state, effects, index, left, top);
    return Card_MouseUp(state, effects, index);
}

} // namespace lexabit::testing
