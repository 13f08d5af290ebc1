#include "game/play/KeyboardMoves.h"

#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/motion/CardGlide.h"
#include "game/play/CardDrop.h"
#include "game/play/CardPickup.h"
#include "game/scoring/WordScore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lexabit {

namespace {

bool Contains(const std::vector<int>& cards, int index) {
    return std::find(cards.begin(), cards.end(), index) != cards.end();
}

bool IsFaceUp(const GameState& state, int index) {
    if (!state.CardExists(index)) {
        return false;
    }
    const CardRecord& card = state.Card(index);
    return card.Visible && (card.Tag == CardTag::Table || card.Tag == CardTag::Word);
}

struct Place {
    double Left = 0;
    double Top = 0;
};

// Where the focus stands: on its card, or, while that card is carried, where it was taken.
Place FocusPlace(const GameState& state, int focus) {
    if (Contains(CarriedCards(state), focus)) {
        return {static_cast<double>(state.Drag.StartLeft),
                static_cast<double>(state.Drag.StartTop)};
    }
    const CardRecord& card = state.Card(focus);
    return {card.Left, card.Top};
}

// How far a stop lies the way asked, its offset across that way weighing more; none when
// it does not lie that way, or, going up or down, lies outside the column.
std::optional<double> DistanceThatWay(Place from, Place to, FocusDirection direction) {
    constexpr double least = 10;
    const double dx = to.Left - from.Left;
    const double dy = to.Top - from.Top;
    double along = 0;
    double across = 0;
    switch (direction) {
    case FocusDirection::Left:
    case FocusDirection::Right:
        along = direction == FocusDirection::Right ? dx : -dx;
        across = std::abs(dy);
        break;
    case FocusDirection::Up:
    case FocusDirection::Down:
        along = direction == FocusDirection::Down ? dy : -dy;
        across = std::abs(dx);
        if (across >= CardWidth / 2.0) {
            return std::nullopt;
        }
        break;
    }
    if (along < least) {
        return std::nullopt;
    }
    constexpr double acrossWeight = 4;
    return along + acrossWeight * across;
}

// The carried cards glide together to hover over the focused stop, keeping their fan.
void HoverOverFocus(GameState& state, Effects& effects) {
    const std::vector<int> carried = CarriedCards(state);
    const std::optional<int> focus = FocusedStop(state);
    if (carried.empty() || !focus) {
        return;
    }
    const Place over = FocusPlace(state, *focus);
    const CardRecord& lead = state.Card(carried.front());
    const double dx = over.Left + HoverOffset - lead.Left;
    const double dy = over.Top + HoverOffset - lead.Top;
    // However many cards move, the move takes about as long as one card's glide.
    const int steps =
        std::max(CardGlideSteps / static_cast<int>(carried.size()), CardGlideSteps / 4);
    for (const int index : carried) {
        const CardRecord& card = state.Card(index);
        effects.GlideCard(index, card.Left + dx, card.Top + dy, steps);
    }
}

} // namespace

int ColumnOf(const GameState& state, const CardRecord& card) {
    int nearest = 1;
    double best = std::numeric_limits<double>::max();
    for (int column = 1; column <= 7; ++column) {
        const int marker = state.MarkerIndex(column);
        if (!state.CardExists(marker)) {
            continue;
        }
        const double distance = std::abs(state.Card(marker).Left - card.Left);
        if (distance < best) {
            best = distance;
            nearest = column;
        }
    }
    return nearest;
}

std::vector<int> CarriedCards(const GameState& state) {
    if (!state.Keys.Held || !state.Drag.Active || !state.CardExists(*state.Keys.Held)) {
        return {};
    }
    const int held = *state.Keys.Held;
    const CardList& word = state.WordCards;
    const int from = word.PositionOf(held);
    if (from == 0) {
        return {held};
    }
    std::vector<int> carried;
    for (int q = from; q <= word.Count(); ++q) {
        carried.push_back(word.Item(q));
    }
    return carried;
}

std::vector<int> FocusStops(const GameState& state) {
    const std::vector<int> carried = CarriedCards(state);
    std::vector<int> stops;
    for (int i = 1; i <= state.CardsTotal; ++i) {
        if (IsFaceUp(state, i) && !Contains(carried, i)) {
            stops.push_back(i);
        }
    }
    for (int column = 1; column <= 7; ++column) {
        const int marker = state.MarkerIndex(column);
        if (!state.CardExists(marker)) {
            continue;
        }
        const CardRecord& place = state.Card(marker);
        const bool taken = std::any_of(stops.begin(), stops.end(), [&](int i) {
            return state.Card(i).Left == place.Left && state.Card(i).Top == place.Top;
        });
        if (!taken) {
            stops.push_back(marker);
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [&](int a, int b) {
        const CardRecord& first = state.Card(a);
        const CardRecord& second = state.Card(b);
        return first.Left != second.Left ? first.Left < second.Left : first.Top < second.Top;
    });
    return stops;
}

std::optional<int> FocusedStop(const GameState& state) {
    if (!state.Keys.Focus) {
        return std::nullopt;
    }
    const int focus = *state.Keys.Focus;
    if (Contains(CarriedCards(state), focus)) {
        return focus;
    }
    const std::vector<int> stops = FocusStops(state);
    if (Contains(stops, focus)) {
        return focus;
    }
    return stops.empty() ? std::nullopt : std::optional<int>(stops.front());
}

bool MoveFocus(GameState& state, Effects& effects, FocusDirection direction) {
    const std::optional<int> focus = FocusedStop(state);
    if (!focus) {
        return false;
    }
    const Place from = FocusPlace(state, *focus);
    std::optional<int> next;
    double best = std::numeric_limits<double>::max();
    for (const int stop : FocusStops(state)) {
        const CardRecord& card = state.Card(stop);
        const std::optional<double> distance =
            stop == *focus ? std::nullopt : DistanceThatWay(from, {card.Left, card.Top}, direction);
        if (distance && *distance < best) {
            best = *distance;
            next = stop;
        }
    }
    if (!next) {
        return false;
    }
    state.Keys.Focus = next;
    HoverOverFocus(state, effects);
    effects.Repaint();
    return true;
}

void PickUpFocused(GameState& state, Effects& effects) {
    const std::optional<int> focus = FocusedStop(state);
    if (state.Keys.Held || !focus || !IsFaceUp(state, *focus)) {
        return;
    }
    // Taken by its middle, as a player's hand would.
    Card_MouseDown(state, effects, *focus, CardWidth / 2.0, CardHeight / 2.0);
    if (!state.Drag.Active) {
        Card_MouseUp(state, effects, *focus);
        return;
    }
    state.Keys.Focus = focus;
    state.Keys.Held = focus;
    HoverOverFocus(state, effects);
    effects.Repaint();
}

void DropCarried(GameState& state, Effects& effects) {
    if (!state.Keys.Held) {
        return;
    }
    const int held = *state.Keys.Held;
    state.Keys.Held.reset();
    if (state.CardExists(held)) {
        Card_MouseUp(state, effects, held);
        state.Keys.Focus = held;
    }
}

void PutBackCarried(GameState& state, Effects& effects) {
    if (!state.Keys.Held) {
        return;
    }
    const int held = *state.Keys.Held;
    state.Keys.Held.reset();
    if (state.Drag.Active && state.CardExists(held)) {
        state.Drag.Active = false;
        ReturnWithoutTarget(state, effects, held);
        state.Keys.Focus = held;
    }
    state.Shown = ShowWord(state);
    effects.Repaint();
}

} // namespace lexabit
