#pragma once

// The game state, the single source of truth of a running game: the cards with their
// tags and places, the lists of card numbers, the board's fixed elements, scores and clocks.

#include "game/model/Alphabet.h"
#include "game/model/Level.h"
#include "game/model/Ports.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexabit {

// Where a card lies.
enum class CardTag : int {
    Used = -1,  // part of an accepted word, taken off the board
    Pack = 0,   // dealt into the pack, hidden at the pack's place
    Table = 1,  // face up on the table by itself
    Marker = 2, // invisible placeholder at the top of a column
    Word = 3,   // a member of the word being built
};

// Size of a card on the board, in pixels.
inline constexpr int CardWidth = 93;
inline constexpr int CardHeight = 121;

// One element of the card array: a letter card, a column marker or the template.
struct CardRecord {
    CardTag Tag = CardTag::Pack;
    char Letter = '\0'; // 'A' to 'Z'; '\0' on markers and the template
    int Value = 0;      // the letter's points
    int Picture = 0;    // letter number of the face shown, 1..26; 0 shows nothing
    float Left = 0;     // pixels from the board's left edge (kept fractional while gliding)
    float Top = 0;      // pixels from the board's top edge
    bool Visible = false;
};

// An ordered list of card indices, numbered from 1 like the game's Pack and WordCards.
class CardList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    // The card index at position q (1-based).
    int Item(int q) const { return items_.at(static_cast<std::size_t>(q - 1)); }
    int First() const { return Item(1); }
    int Last() const { return Item(Count()); }

    void Add(int index) { items_.push_back(index); }
    void AddFront(int index) { items_.insert(items_.begin(), index); }
    void Remove(int q) { items_.erase(items_.begin() + (q - 1)); }
    void Clear() { items_.clear(); }

    // Position (1-based) of the card with this index, or 0 when it is not listed.
    int PositionOf(int index) const;
    bool Contains(int index) const { return PositionOf(index) != 0; }

    const std::vector<int>& items() const { return items_; }

    friend bool operator==(const CardList&, const CardList&) = default;

private:
    std::vector<int> items_;
};

// Position and size of one fixed element of the board, in board pixels.
struct ElementBox {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};

// The fixed elements the layout arranges around the columns.
struct BoardElements {
    ElementBox ClickME{0, 0, CardWidth, CardHeight};
    ElementBox Fig{0, 0, 65, 65};
    ElementBox PackBack{0, 0, CardWidth, CardHeight};
    ElementBox ShuffleCards{0, 0, CardWidth, 17};
    ElementBox DiscardDeck{0, 0, CardWidth, CardHeight};
    ElementBox WordList{0, 0, 209, 401};
    ElementBox CheckWordButton{0, 0, 209, 41};
    ElementBox WordLabel{0, 0, 497, 72};
    ElementBox PointsLabel{0, 0, 497, 72};
    ElementBox StatusBar{0, 0, 1032, 25};
};

// The card last picked up and where it lay before: what undo puts back.
struct LastMove {
    int Card = 0;                // the card's index
    std::optional<CardTag> From; // where it lay; nothing when there is nothing to undo
    int Left = 0;                // its place, in whole pixels
    int Top = 0;
    // Its place in the word. A card picked up outside the word keeps the number of the
    // pick-up before, which is what undo then goes by.
    int WordPosition = 0;
};

// The word timer and the playing clock of a game.
struct ClockValues {
    // Whole minutes left on the word timer besides the running one; -1 when the level has
    // no timer or its time is up.
    std::int16_t WordTimerMinutes = 2;
    GameTime WordTimerStart{}; // when the word timer's running minute began
    GameTime MinuteStart{};    // when the playing clock's running minute began
    std::int16_t PlayMinutes = 0;
    std::int16_t PlayHours = 0;
    std::string PlayingTime = "0"; // as the status bar last showed it
};

// How far a game has come: what the board takes from the player depends on it.
enum class GamePhase {
    Playing,      // cards move, words are checked
    Paused,       // the clocks stand and the cards are covered until the player comes back
    AwaitingName, // the game is over and its result waits for the player's name
    Ended,        // over and not recorded: nothing moves until the next game
};

// A card held by the pointer.
struct DragValues {
    bool Active = false; // the held card (and the word cards below it) follow the pointer
    int GrabX = 0;       // where the pointer took the card, in the card's own pixels
    int GrabY = 0;
    int StartLeft = 0; // where the card lay when it was taken, for its way back
    int StartTop = 0;
};

// Where the keyboard's focus stands on the board, and the card it has picked up.
struct KeyboardCursor {
    std::optional<int> Focus; // a face-up card, or the marker of an empty column
    std::optional<int> Held;  // follows the focus until it is dropped or put back
};

// A hint as it was charged: the word and the cards that spell it, in its order.
struct ChargedHint {
    std::string Word;
    std::vector<int> Cards;

    friend bool operator==(const ChargedHint&, const ChargedHint&) = default;
};

// The texts of the two labels above the table: the word and its provisional points.
struct WordDisplay {
    std::string Word;   // for WordLabel
    std::string Points; // for PointsLabel, such as " 8 Points"

    friend bool operator==(const WordDisplay&, const WordDisplay&) = default;
};

// A word accepted in this game, as the list of words found shows it.
struct AcceptedWord {
    std::string Word;
    std::string Points; // such as " 11 + 3"

    friend bool operator==(const AcceptedWord&, const AcceptedWord&) = default;
};

// The piles beside the table that the board shows or hides.
struct PilesShown {
    bool Pack = true;         // hidden once the pack is empty, and for the game-over show
    bool DiscardPile = false; // shown from the first accepted word on
};

inline constexpr std::uint32_t LowestDealNumber = 1;
inline constexpr std::uint32_t HighestDealNumber = 999'999;

// The number of a deal, from which its pack is dealt again in the same order.
struct DealIdentity {
    std::uint32_t Number = 0;
    bool Replayed = false;       // dealt again by its number, or restarted
    LetterCountValues Letters{}; // the letter counts it was dealt on, for a restart

    friend bool operator==(const DealIdentity&, const DealIdentity&) = default;
};

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
    Level GameLevel = Level::Easy;
    ClockValues Clocks;
    std::int16_t CardStyle = 8;
    std::string PlayerName;
    GamePhase Phase = GamePhase::Playing;
    DealIdentity Deal;
    // How many cards of each letter the next deal uses, as the player typed them.
    LetterCountTexts NextDealLetters = StandardLetterCountTexts();
    // The words accepted in this game, the first one first.
    std::vector<AcceptedWord> WordsFound;
    // What the labels above the table show: the word as the last move left it.
    WordDisplay Shown;
    PilesShown Piles;
    DragValues Drag;
    KeyboardCursor Keys;
    LastMove Undo;
    // Points of the hints shown since the last accepted word, taken off the score when
    // the next word is accepted.
    int HintCost = 0;
    // The hints charged since the last accepted word: the same word on the same cards is
    // charged once, however often it is asked for.
    std::vector<ChargedHint> HintsCharged;
    // What the hints took off the score when the last word was accepted; nothing when no
    // hint was charged before it.
    std::optional<int> HintCostTaken;
    // The face-up cards of the last stuck position the player was asked about.
    std::vector<int> StuckPositionAsked;
    // The cards a hint outlines on the board while it shows.
    std::vector<int> HintedCards;

    // Whether no letter card is left in the pack.
    bool PackIsEmpty() const;

    // Empties the undo record, so that undo does nothing until the next pick-up. A record
    // must not outlive the cards it names: a new game and an accepted word clear it.
    void ForgetLastMove();

private:
    std::vector<std::optional<CardRecord>> cards_;
    std::vector<int> stacking_;
};

} // namespace lexabit
