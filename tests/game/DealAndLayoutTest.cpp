#include "FakePorts.h"
#include "TestTable.h"
#include "game/model/BoardLayout.h"
#include "game/play/Deal.h"
#include "game/play/GameRound.h"
#include "game/play/NumberedDeal.h"

#include <gtest/gtest.h>
#include <ranges>

namespace lexabit {
namespace {

using enum Level;
using namespace testing; // the fakes and helpers of the rules tests

std::string PackLetters(const GameState& state) {
    const auto letters = state.Pack.items() | std::views::transform([&state](int card) {
                             return state.Card(card).Letter;
                         });
    return {letters.begin(), letters.end()};
}

TEST(Deal, ANewGameResetsScoreAndStyleThenDeals98HiddenLetterCardsAndSevenMarkers) {
    GameState state;
    const GameTime now{std::chrono::seconds(1000)};
    state.TotalScore = 120;
    state.Drag.Active = true;
    state.CardStyle = 0; // none chosen yet; the clocks are checked as games are played
    ResetGameVariables(state, StandardLetterCounts, now);
    EXPECT_EQ(std::tuple(state.TotalScore, state.Drag.Active, state.CardStyle,
                         state.Clocks.WordTimerStart),
              std::tuple(0, false, 8, now));
    state.CardStyle = 5;
    ResetGameVariables(state, StandardLetterCounts, now);
    EXPECT_EQ(state.CardStyle, 5);

    SCOPED_TRACE("the standard pack");
    state.Elements.PackBack.Left = 51.6;
    state.Elements.PackBack.Top = 35.65;
    MersenneRandom random(7);
    DealCards(state, StandardLetterCounts, random); // after the reset above set the total

    ASSERT_EQ(state.CardsTotal, 98);
    LetterCountValues letters{};
    for (int i = 1; i <= 98; ++i) {
        const CardRecord& card = state.Card(i);
        EXPECT_EQ(std::tuple(card.Tag, card.Visible, state.Pack.Item(i), card.Left, card.Top,
                             card.Value, LetterOf(card.Picture)),
                  std::tuple(CardTag::Pack, false, i, 51.6F, 35.65F, LetterValue(card.Letter),
                             card.Letter));
        ++letters[static_cast<std::size_t>(card.Letter - 'A')];
    }
    EXPECT_EQ(letters, StandardLetterCounts);
    EXPECT_EQ(state.Card(105).Tag, CardTag::Marker);
    EXPECT_FALSE(state.CardExists(106));

    state.WordCards.Add(5);
    UnloadCards(state);
    EXPECT_EQ(std::tuple(state.CardExists(1), state.Pack.empty(), state.WordCards.empty()),
              std::tuple(false, true, true));
    EXPECT_EQ(state.StackingOrder(), std::vector<int>{0}); // the template card stays
}

// A consonant draws X of 1 to 4; when X divides the count dealt, Y of 1 to 4 picks A, E, I or O.
TEST(Deal, AnExtraVowelFollowsAConsonantNowAndThenWithinTheCountsAndTheTotal) {
    using Counts = std::vector<std::pair<char, int>>;
    // The fraction that draws letter n of 26, and the one that draws k of 1 to 4.
    const auto L = [](int n) { return (n - 0.5) / 26.0; };
    const auto Q = [](int k) { return (k - 0.5) / 4.0; };
    // clang-format off
    const std::tuple<const char*, Counts, std::vector<double>, std::string> rows[] = {
        // what, the counts of the letters not left at 0, the draws, the letters dealt
        {"no counts", {}, {}, ""}, {"a negative total", {{'A', 2}, {'E', -5}}, {}, ""},
        {"E after B, then C with 2 of 3 no", {{'B', 1}, {'E', 1}, {'C', 1}}, {L(2), Q(1), Q(1), L(3), Q(2)}, "BEC"},
        {"a vowel brings no extra vowel", {{'A', 1}, {'E', 1}}, {L(1), L(5)}, "AE"},
        {"the extra vowel's count is used up", {{'B', 2}}, {L(2), Q(1), Q(2), L(2), Q(3)}, "BB"},
        {"a letter used up is drawn again", {{'Z', 1}}, {L(1), L(5), L(13), L(26), Q(3)}, "Z"},
        {"the extra vowel may not pass the total", {{'B', 3}, {'C', -2}, {'E', 1}}, {L(2), Q(3), L(2), Q(1), Q(1)}, "BB"},
    };
    // clang-format on
    for (const auto& [what, letterCounts, draws, dealt] : rows) {
        SCOPED_TRACE(what);
        LetterCountValues counts{};
        for (const auto& [letter, count] : letterCounts) {
            counts[static_cast<std::size_t>(letter - 'A')] = count;
        }
        GameState state;
        ScriptedRandom random(draws);
        ResetGameVariables(state, counts, GameTime{});
        DealCards(state, counts, random);
        EXPECT_EQ(state.CardsTotal, static_cast<int>(dealt.size()));
        EXPECT_EQ(PackLetters(state), dealt);
        EXPECT_EQ(random.used(), draws.size());
        EXPECT_EQ(random.seeds, 1);
    }
}

struct Tick {
    int seconds;      // the clock is wound on this far (back, when negative) before the tick
    bool everySecond; // with a tick every second on the way instead of one at the end
    const char* playing;
    const char* timer; // panel 5 after the tick; none: the word timer ran out, it keeps its text
};

// clang-format off
const std::tuple<const char*, Level, std::vector<Tick>> Games[] = { // what, level, ticks
    {"the Hard word timer runs out after a minute", Hard, {{0, false, " 0: 0: 0", "Word Timer:  0: 60"},
        {59, true, " 0: 0: 59", "Word Timer:  0: 1"}, {1, false, " 0: 1: 0", nullptr}}},
    {"the Easy word timer counts down three minutes", Easy, {{0, false, " 0: 0: 0", "Word Timer:  2: 60"},
        {1, false, " 0: 0: 1", "Word Timer:  2: 59"}, {58, true, " 0: 0: 59", "Word Timer:  2: 1"},
        {1, false, " 0: 1: 0", "Word Timer:  1: 60"}, {119, true, " 0: 2: 59", "Word Timer:  0: 1"},
        {1, false, " 0: 3: 0", nullptr}}},
    {"Very Easy has no word timer; the hours roll", VeryEasy, {{59, true, " 0: 0: 59", "Timer Off"},
        {1, false, " 0: 1: 0", "Timer Off"}, {58 * 60 + 59, true, " 0: 59: 59", "Timer Off"},
        {1, false, " 1: 0: 0", "Timer Off"}, {2 * 3600 + 8 * 60 + 10, false, " 3: 8: 10", "Timer Off"}}},
    {"a long pause runs the Easy word timer out", Easy, {{10, false, " 0: 0: 10", "Word Timer:  2: 50"},
        {180, false, " 0: 3: 10", nullptr}}},
    {"a clock set back restarts the running minute", Easy, {{20, true, " 0: 0: 20", "Word Timer:  2: 40"},
        {-50, false, " 0: 0: 0", "Word Timer:  2: 60"}, {1, false, " 0: 0: 1", "Word Timer:  2: 59"}}},
};
// clang-format on

// One set of clocks plays the games one after another, as the board's clocks do.
TEST(GameClocks, ShowThePlayingTimeAndTheWordTimerAtEachTick) {
    GameState state;
    FakeClock clock;
    GameClocks clocks(clock);
    for (const auto& [what, level, ticks] : Games) {
        SCOPED_TRACE(what);
        state.GameLevel = level;
        ResetGameVariables(state, StandardLetterCounts, clock.Now());
        clocks.Start();
        for (const Tick& tick : ticks) {
            std::optional<ClockReading> reading;
            for (int k = 0; k < (tick.everySecond ? tick.seconds : 1); ++k) {
                clock.Advance(tick.everySecond ? 1 : tick.seconds);
                reading = clocks.Tick(state);
                ASSERT_TRUE(reading.has_value()) << tick.playing;
            }
            EXPECT_EQ(reading->PlayingTimePanel,
                      std::string("Total Playing Time: ") + tick.playing);
            EXPECT_EQ(state.Clocks.PlayingTime, tick.playing);
            EXPECT_EQ(reading->WordTimerPanel,
                      tick.timer ? std::optional<std::string>(tick.timer) : std::nullopt);
            EXPECT_EQ(reading->TimedOut, tick.timer == nullptr) << tick.playing;
        }
        if (ticks.back().timer == nullptr) { // both clocks stand still
            EXPECT_EQ(state.Clocks.WordTimerMinutes, -1);
            clock.Advance(30);
            EXPECT_FALSE(clocks.Tick(state).has_value());
            EXPECT_FALSE(clocks.Running());
        }
    }
}

TEST(NumberedDeal, TheSameNumberDealsTheSamePackAndAFreshOneIsDrawnInRange) {
    const auto pack = [](std::optional<std::uint32_t> number, RandomSource& fresh) {
        GameState state;
        ResetGameVariables(state, StandardLetterCounts, GameTime{});
        DealNumberedCards(state, StandardLetterCounts, fresh, number);
        return std::tuple(PackLetters(state), state.Deal);
    };
    ScriptedRandom fresh({0.0, 0.999999999});
    const auto [first, lowest] = pack(std::nullopt, fresh);
    const auto [last, highest] = pack(std::nullopt, fresh);
    EXPECT_EQ(lowest, (DealIdentity{LowestDealNumber, false, StandardLetterCounts}));
    EXPECT_EQ(highest, (DealIdentity{HighestDealNumber, false, StandardLetterCounts}));
    EXPECT_EQ(fresh.seeds, 2);
    EXPECT_EQ(pack(LowestDealNumber, fresh),
              std::tuple(first, DealIdentity{1, true, StandardLetterCounts}));
    EXPECT_NE(first, last);
}

TEST(BoardLayout, ColumnsStandAroundTheMiddleAThirdDownAndThePackAndPilesByTheCorners) {
    GameState state;
    state.ScaleWidth = 1000;
    state.ScaleHeight = 600;
    const std::pair<int, double> lefts[] = {{1, 145}, {2, 248}, {4, 454},
                                            {7, 763}, {0, 454}, {8, 454}};
    for (const auto& [column, left] : lefts) {
        EXPECT_EQ(ColumnPosition(state, column).Left, left) << column;
    }
    EXPECT_EQ(ColumnPosition(state, 4).Top, 200);
    state.ScaleHeight = 718.5; // 239.5 goes to 240
    EXPECT_EQ(ColumnPosition(state, 3).Top, 240);

    EXPECT_EQ(std::tuple(LayoutApplies(715, 900), LayoutApplies(900, 535), LayoutApplies(716, 536)),
              std::tuple(false, false, true));

    SCOPED_TRACE("the pack and the piles");
    state.ScaleHeight = 700;
    LayoutBoard(state);
    const BoardElements& e = state.Elements;
    EXPECT_EQ(std::pair(e.PackBack.Left, e.PackBack.Top), std::pair(50.0, 35.0));
    EXPECT_EQ(std::pair(e.DiscardDeck.Left, e.DiscardDeck.Top), std::pair(857.0, 534.0));
    EXPECT_DOUBLE_EQ(e.WordList.Left, 1000 - e.WordList.Width);
    EXPECT_DOUBLE_EQ(e.StatusBar.Top, 700 - e.StatusBar.Height);
}

// A resize moves column cards once (never on into the next column), and undo's and a drag's places.
TEST(BoardLayout, OnResizeColumnCardsAndTheWordFollowTheirOwnMarkerAndPackCardsThePack) {
    for (const double width : {1117.0, 705.0, 1000.0}) { // one column right, one left, between
        SCOPED_TRACE(width);
        TestTable table("ABCDEFGHIJK");
        GameState& state = table.state;
        for (int card = 1; card <= 7; ++card) {
            table.PutInColumn(card, card);
        }
        table.MakeWord({2, 8, 9}, 2);   // fanned down column 2
        table.PutOnTable(10, 300, 400); // outside the columns; card 11 stays in the pack
        const auto marker = [&](int column) { return state.Card(table.Marker(column)); };
        state.Undo.Left = static_cast<int>(marker(3).Left);
        state.Undo.Top = static_cast<int>(marker(3).Top) + 30;
        state.Drag.StartLeft = static_cast<int>(marker(5).Left);
        state.Drag.StartTop = static_cast<int>(marker(5).Top);
        state.ScaleWidth = width;
        state.ScaleHeight = 600;
        LayoutBoard(state);
        using Place = std::pair<float, float>;
        const auto place = [&state](int card) {
            return std::pair(state.Card(card).Left, state.Card(card).Top);
        };
        const auto column = [&state](int column, int below) {
            const ColumnTop top = ColumnPosition(state, column);
            return Place(top.Left, top.Top + 30 * below);
        };
        for (int card = 1; card <= 9; ++card) {
            EXPECT_EQ(place(card), card <= 7 ? column(card, 0) : column(2, card - 7)) << card;
        }
        EXPECT_EQ(place(10), std::pair(300.0F, 400.0F));
        EXPECT_EQ(Place(state.Undo.Left, state.Undo.Top), column(3, 1));
        EXPECT_EQ(Place(state.Drag.StartLeft, state.Drag.StartTop), column(5, 0));
        const ElementBox& pack = state.Elements.PackBack;
        EXPECT_EQ(place(11), Place(pack.Left, pack.Top));
    }
}

// The letter lying exactly on each column's marker, or a dot.
std::string LettersOnColumns(const GameState& state) {
    std::string letters(7, '.');
    for (int column = 1; column <= 7; ++column) {
        const CardRecord& marker = state.Card(state.MarkerIndex(column));
        for (int i = 1; i <= state.CardsTotal; ++i) {
            const CardRecord& card = state.Card(i);
            if (card.Tag == CardTag::Table && card.Left == marker.Left && card.Top == marker.Top) {
                letters[static_cast<std::size_t>(column - 1)] = card.Letter;
            }
        }
    }
    return letters;
}

TEST(FillEmptyColumns, GlidesThreeVowelsThenFourConsonantsOntoTheMarkersOrWhatTheTableLacks) {
    TestTable table("BCADFEGHOIJK");
    table.state.Card(table.Marker(2)).Left = 203.5F; // a glide would stop half a pixel away
    GlidingEffects effects(table.state);
    FillEmptyColumns(table.state, effects);

    EXPECT_EQ(LettersOnColumns(table.state), "AEOBCDF");
    ASSERT_EQ(effects.glides.size(), 7U);
    for (const auto& glide : effects.glides) {
        EXPECT_EQ(std::tuple(glide.steps, glide.fromLeft, table.state.Card(glide.index).Visible),
                  std::tuple(30, TestTable::PackLeft, true));
    }
    EXPECT_EQ(effects.sounds, std::vector<std::string>(7, "InitAnimation"));
    EXPECT_EQ(effects.events[0], "glide 3");
    EXPECT_EQ(effects.events[1], "sound InitAnimation");

    const auto none = [](TestTable&) {};
    // clang-format off
    const std::tuple<const char*, std::function<void(TestTable&)>, const char*> rows[] = {
        // the letter cards, what lies where before the deal, the letters on the columns after
        {"BCADFEGHJK", none, "BCADFEG"}, // too few vowels left: the next pack cards
        {"AEIOUBCDA", [](TestTable& t) { t.PutOnTable(6, 600, 500); }, "AEIOUCD"}, // B laid
        {"BCADFEGHOIJK", [](TestTable& t) { t.PutInColumn(12, 3); }, "AEKOBCD"},   // K covers 3
        {"AEIBCDFOGH", [](TestTable& t) { for (int i = 1; i <= 7; ++i) { t.PutOnTable(i, 600.0F + i, 500); } }, "......."}, // balanced
        {"AB", [](TestTable& t) { t.MarkUsed(1), t.MarkUsed(2); }, "......."}, // empty pack
        {"BCADFEGHOIJK", [](TestTable& t) { t.PutOnTable(11, TestTable::ColumnLeft(2) + 0.5F, TestTable::ColumnTop); }, "AEOBCD."}, // J half a pixel off marker 2: column 2 empty, J counts
    };
    // clang-format on
    for (const auto& [letters, before, columns] : rows) {
        TestTable lacking(letters);
        before(lacking);
        GlidingEffects dealing(lacking.state);
        FillEmptyColumns(lacking.state, dealing);
        EXPECT_EQ(LettersOnColumns(lacking.state), columns) << letters;
    }
}

} // namespace
} // namespace lexabit
