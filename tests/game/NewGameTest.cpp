#include "FakePorts.h"
#include "game/model/Alphabet.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/play/Deal.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lexabit {
namespace {

using enum Level;

// Deals as a new game does: the total first, then the cards.
void DealWith(GameState& state, const LetterCountValues& counts, RandomSource& random) {
    ResetGameVariables(state, counts, GameTime{});
    DealCards(state, counts, random);
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
    DealWith(state, StandardLetterCounts, random);

    ASSERT_EQ(state.CardsTotal, 98);
    std::map<char, int> letters;
    for (int i = 1; i <= 98; ++i) {
        const CardRecord& card = state.Card(i);
        EXPECT_EQ(std::tuple(card.Tag, card.Visible, state.Pack.Item(i), card.Left, card.Top,
                             card.Value, LetterOf(card.Picture)),
                  std::tuple(CardTag::Pack, false, i, 51.6F, 35.65F, LetterValue(card.Letter),
                             card.Letter));
        ++letters[card.Letter];
    }
    for (int n = 1; n <= 26; ++n) {
        EXPECT_EQ(letters[LetterOf(n)], StandardLetterCounts[n - 1]) << LetterOf(n);
    }
    EXPECT_EQ(state.Card(105).Tag, CardTag::Marker);
    EXPECT_FALSE(state.CardExists(106));

    state.WordCards.Add(5);
    UnloadCards(state);
    EXPECT_FALSE(state.CardExists(1));
    EXPECT_TRUE(state.Pack.empty());
    EXPECT_TRUE(state.WordCards.empty());
    EXPECT_EQ(state.StackingOrder(), std::vector<int>{0}); // the template card stays
}

// Each consonant dealt draws X from 1 to 4; when X divides the count dealt so far, Y from
// 1 to 4 picks a vowel A, E, I or O to deal next, while that vowel's count lasts.
TEST(Deal, AnExtraVowelFollowsAConsonantNowAndThenWithinTheCountsAndTheTotal) {
    struct Row {
        const char* what;
        std::vector<std::pair<char, int>> counts;
        std::vector<double> draws;
        std::string dealt;
    };
    const auto L = testing::LetterDraw;
    const auto Q = testing::QuarterDraw;
    // clang-format off
    const Row rows[] = {
        {"no counts", {}, {}, ""},
        {"a negative total", {{'A', 2}, {'E', -5}}, {}, ""},
        {"E after B, then C with 2 of 3 no", {{'B', 1}, {'E', 1}, {'C', 1}}, {L(2), Q(1), Q(1), L(3), Q(2)}, "BEC"},
        {"a vowel brings no extra vowel", {{'A', 1}, {'E', 1}}, {L(1), L(5)}, "AE"},
        {"the extra vowel's count is used up", {{'B', 2}}, {L(2), Q(1), Q(2), L(2), Q(3)}, "BB"},
        {"a letter used up is drawn again", {{'Z', 1}}, {L(1), L(5), L(13), L(26), Q(3)}, "Z"},
        {"the extra vowel may not pass the total", {{'B', 3}, {'C', -2}, {'E', 1}}, {L(2), Q(3), L(2), Q(1), Q(1)}, "BB"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        LetterCountValues counts{};
        for (const auto& [letter, count] : row.counts) {
            counts[static_cast<std::size_t>(letter - 'A')] = count;
        }
        GameState state;
        testing::ScriptedRandom random(row.draws);
        DealWith(state, counts, random);
        const int total = static_cast<int>(row.dealt.size());
        ASSERT_EQ(state.CardsTotal, total);
        EXPECT_EQ(state.Pack.Count(), total);
        for (int i = 1; i <= total; ++i) {
            EXPECT_EQ(state.Card(i).Letter, row.dealt[static_cast<std::size_t>(i - 1)]);
        }
        EXPECT_EQ(state.Card(total + 1).Tag, CardTag::Marker);
        EXPECT_EQ(random.used(), row.draws.size());
        EXPECT_EQ(random.seeds, 1);
    }
}

struct Tick {
    int seconds;      // the clock is wound on this far (back, when negative) before the tick
    bool everySecond; // with a tick every second on the way instead of one at the end
    const char* playing;
    const char* timer; // panel 5 after the tick; none: it keeps its text
    bool timedOut = false;
};

struct Game {
    const char* what;
    Level level;
    std::vector<Tick> ticks;
};

// clang-format off
const Game Games[] = {
    {"the Hard word timer runs out after a minute", Hard, {{0, false, " 0: 0: 0", "Word Timer:  0: 60"},
        {59, true, " 0: 0: 59", "Word Timer:  0: 1"}, {1, false, " 0: 1: 0", nullptr, true}}},
    {"the Easy word timer counts down three minutes", Easy, {{0, false, " 0: 0: 0", "Word Timer:  2: 60"},
        {1, false, " 0: 0: 1", "Word Timer:  2: 59"}, {58, true, " 0: 0: 59", "Word Timer:  2: 1"},
        {1, false, " 0: 1: 0", "Word Timer:  1: 60"}, {119, true, " 0: 2: 59", "Word Timer:  0: 1"},
        {1, false, " 0: 3: 0", nullptr, true}}},
    {"Very Easy has no word timer; the hours roll", VeryEasy, {{59, true, " 0: 0: 59", "Timer Off"},
        {1, false, " 0: 1: 0", "Timer Off"}, {58 * 60 + 59, true, " 0: 59: 59", "Timer Off"},
        {1, false, " 1: 0: 0", "Timer Off"}, {2 * 3600 + 8 * 60 + 10, false, " 3: 8: 10", "Timer Off"}}},
    {"a long pause runs the Easy word timer out", Easy, {{10, false, " 0: 0: 10", "Word Timer:  2: 50"},
        {180, false, " 0: 3: 10", nullptr, true}}},
    {"a clock set back restarts the running minute", Easy, {{20, true, " 0: 0: 20", "Word Timer:  2: 40"},
        {-50, false, " 0: 0: 0", "Word Timer:  2: 60"}, {1, false, " 0: 0: 1", "Word Timer:  2: 59"}}},
};
// clang-format on

// One set of clocks plays the games one after another, as the board's clocks do.
TEST(GameClocks, ShowThePlayingTimeAndTheWordTimerAtEachTick) {
    GameState state;
    testing::FakeClock clock;
    GameClocks clocks(clock);
    for (const Game& game : Games) {
        SCOPED_TRACE(game.what);
        state.GameLevel = game.level;
        ResetGameVariables(state, StandardLetterCounts, clock.Now());
        clocks.Start();
        for (const Tick& tick : game.ticks) {
            std::optional<ClockReading> reading;
            const int ticks = tick.everySecond ? tick.seconds : 1;
            for (int k = 0; k < ticks; ++k) {
                clock.Advance(tick.everySecond ? 1 : tick.seconds);
                reading = clocks.Tick(state);
                ASSERT_TRUE(reading.has_value()) << tick.playing;
            }
            EXPECT_EQ(reading->PlayingTimePanel,
                      std::string("Total Playing Time: ") + tick.playing);
            EXPECT_EQ(state.Clocks.PlayingTime, tick.playing);
            EXPECT_EQ(reading->WordTimerPanel,
                      tick.timer ? std::optional<std::string>(tick.timer) : std::nullopt);
            EXPECT_EQ(reading->TimedOut, tick.timedOut) << tick.playing;
        }
        if (game.ticks.back().timedOut) { // both clocks stand still
            EXPECT_EQ(state.Clocks.WordTimerMinutes, -1);
            clock.Advance(30);
            EXPECT_FALSE(clocks.Tick(state).has_value());
            EXPECT_FALSE(clocks.Running());
        }
    }
}

} // namespace
} // namespace lexabit
