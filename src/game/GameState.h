#pragma once

#include "game/BoardElements.h"
#include "game/CardList.h"
#include "game/CardRecord.h"
#include "game/Ports.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexabit {

// The one state object of the game: every card with its letter, place, visibility
// and stacking order, the two card lists and the variables of a game in progress.
class GameState {
public:
    GameState();

    // --- The card array. Card(0) is the template; letter cards follow, then the markers.
    void CreateCard(int index);
    void DestroyCard(int index);
    bool CardExists(int index) const;
    CardRecord& Card(int index);
    const CardRecord& Card(int index) const;
    // Highest index the array can hold at present (0 when only the template exists).
    int HighestIndex() const { return static_cast<int>(cards_.size()) - 1; }

    // Index of the marker of column k (1..7).
    int MarkerIndex(int column) const { return CardsTotal + column; }
    // Last index of "all cards": letter cards and markers.
    int LastCardIndex() const { return CardsTotal + 7; }

    // --- Stacking order: later cards cover earlier ones.
    void RaiseCard(int index);
    // Existing cards from the bottom of the pile to the top.
    const std::vector<int>& StackingOrder() const { return stacking_; }
    // The topmost visible card whose rectangle holds the point, if any.
    std::optional<int> CardAt(double x, double y) const;

    // --- The board's inner size and its fixed elements, as the layout placed them.
    double ScaleWidth = 1032;
    double ScaleHeight = 713;
    BoardElements Elements;

    // --- The card lists.
    CardList Pack;
    CardList WordCards;

    // --- The variables of a game.
    std::int16_t CardsTotal = 0;
    std::int16_t TotalScore = 0;
    std::int16_t Level = 2;
    std::int16_t WordTimerMinutes = 2;
    GameTime WordTimerStart{};
    GameTime MinuteStart{};
    std::int16_t PlayMinutes = 0;
    std::int16_t PlayHours = 0;
    std::string PlayingTime = "0";
    std::int16_t CardStyle = 8;
    std::string PlayerName;
    bool Dragging = false;
    int GrabX = 0;
    int GrabY = 0;
    int StartLeft = 0;
    int StartTop = 0;
    int UndoLeft = 0;
    int UndoTop = 0;
    std::string UndoTag;
    int UndoWordPos = 0;
    int UndoIndex = 0;
    // Points of the hints shown since the last accepted word, taken off the score when
    // the next word is accepted.
    int HintCost = 0;
    // The face-up cards of the last stuck position the player was asked about.
    std::vector<int> StuckPositionAsked;
    // The cards a hint outlines on the board while it shows.
    std::vector<int> HintedCards;

    // Empties the undo record, so that undo does nothing until the next pick-up. A record
    // must not outlive the cards it names: a new game and an accepted word clear it.
    void ForgetLastMove();

private:
    std::vector<std::optional<CardRecord>> cards_;
    std::vector<int> stacking_;
};

} // namespace lexabit
