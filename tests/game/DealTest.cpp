#include "game/play/Deal.h"

#include "FakePorts.h"
#include "game/model/Alphabet.h"
#include "game/model/GameState.h"
#include "game/model/Ports.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>
#include <map>

namespace lexabit {
namespace {

using testing::LetterDraw;
using testing::QuarterDraw;
using testing::ScriptedRandom;

LetterCountValues NoLetters() {
    return LetterCountValues{};
}

// Deals as a new game does: the total first, then the cards.
void DealWith(GameState& state, const LetterCountValues& counts, RandomSource& random) {
    ResetGameVariables(state, counts, GameTime{});
    DealCards(state, counts, random);
}

TEST(Deal, StandardPackMakes98LetterCardsThenSevenMarkers) {
    GameState state;
    MersenneRandom random(7);
    DealWith(state, StandardLetterCounts, random);

    ASSERT_EQ(state.CardsTotal, 98);
    EXPECT_EQ(state.Pack.Count(), 98);
    std::map<std::string, int> letters;
    for (int i = 1; i <= 98; ++i) {
        const CardRecord& card = state.Card(i);
        EXPECT_EQ(card.Tag, CardTag::Pack);
        EXPECT_FALSE(card.Visible);
        EXPECT_EQ(state.Pack.Item(i), i);
        EXPECT_EQ(card.DataMember, std::to_string(LetterValue(card.DataField)));
        EXPECT_EQ(LetterOf(card.Picture), card.DataField);
        ++letters[card.DataField];
    }
    for (int n = 1; n <= 26; ++n) {
        EXPECT_EQ(letters[LetterOf(n)], StandardLetterCounts[n - 1]) << LetterOf(n);
    }
    for (int k = 1; k <= 7; ++k) {
        const CardRecord& marker = state.Card(98 + k);
        EXPECT_EQ(marker.Tag, CardTag::Marker);
        EXPECT_FALSE(marker.Visible);
        EXPECT_TRUE(marker.DataField.empty());
    }
    EXPECT_FALSE(state.CardExists(106));
    EXPECT_TRUE(state.WordCards.empty());
}

TEST(Deal, PackCardsLieHiddenAtThePack) {
    GameState state;
    state.Elements.PackBack.Left = 51.6;
    state.Elements.PackBack.Top = 35.65;
    MersenneRandom random(3);
    DealWith(state, StandardLetterCounts, random);
    for (int i = 1; i <= state.CardsTotal; ++i) {
        EXPECT_FLOAT_EQ(state.Card(i).Left, 51.6F);
        EXPECT_FLOAT_EQ(state.Card(i).Top, 35.65F);
    }
}

TEST(Deal, NoCountsOrANegativeTotalDealOnlyTheMarkers) {
    LetterCountValues belowZero = NoLetters();
    belowZero[0] = 2;  // A
    belowZero[4] = -5; // E
    for (const LetterCountValues& counts : {NoLetters(), belowZero}) {
        GameState state;
        ScriptedRandom random({});
        DealWith(state, counts, random);
        EXPECT_EQ(state.CardsTotal, 0);
        EXPECT_EQ(state.Pack.Count(), 0);
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(state.Card(k).Tag, CardTag::Marker);
        }
        EXPECT_EQ(random.seeds, 1);
    }
}

TEST(Deal, ExtraVowelFollowsItsConsonantWithTheNextIndex) {
    LetterCountValues counts = NoLetters();
    counts[1] = 1; // B
    counts[4] = 1; // E
    counts[2] = 1; // C
    GameState state;
    // B is dealt; X = 1 divides every count, Y = 1 brings an E; then C with X = 2 (2 of 3 no).
    ScriptedRandom random(
        {LetterDraw(2), QuarterDraw(1), QuarterDraw(1), LetterDraw(3), QuarterDraw(2)});
    DealWith(state, counts, random);
    ASSERT_EQ(state.CardsTotal, 3);
    EXPECT_EQ(state.Card(1).DataField, "B");
    EXPECT_EQ(state.Card(2).DataField, "E");
    EXPECT_EQ(state.Card(3).DataField, "C");
    EXPECT_EQ(state.Pack.Item(2), 2);
    EXPECT_EQ(random.used(), 5U);
}

TEST(Deal, AVowelNeverBringsAnExtraVowel) {
    LetterCountValues counts = NoLetters();
    counts[0] = 1; // A
    counts[4] = 1; // E
    GameState state;
    ScriptedRandom random({LetterDraw(1), LetterDraw(5)});
    DealWith(state, counts, random);
    EXPECT_EQ(state.Card(1).DataField, "A");
    EXPECT_EQ(state.Card(2).DataField, "E");
    EXPECT_EQ(random.used(), 2U);
}

TEST(Deal, ExtraVowelIsSkippedWhenItsCountIsUsedUp) {
    LetterCountValues counts = NoLetters();
    counts[1] = 2; // B B
    GameState state;
    ScriptedRandom random(
        {LetterDraw(2), QuarterDraw(1), QuarterDraw(2), LetterDraw(2), QuarterDraw(3)});
    DealWith(state, counts, random);
    EXPECT_EQ(state.Card(1).DataField, "B");
    EXPECT_EQ(state.Card(2).DataField, "B");
}

TEST(Deal, OnlyOneLetterLeftRepeatsEveryOtherDraw) {
    LetterCountValues counts = NoLetters();
    counts[25] = 1; // Z
    GameState state;
    ScriptedRandom random(
        {LetterDraw(1), LetterDraw(5), LetterDraw(13), LetterDraw(26), QuarterDraw(3)});
    DealWith(state, counts, random);
    ASSERT_EQ(state.CardsTotal, 1);
    EXPECT_EQ(state.Card(1).DataField, "Z");
    EXPECT_EQ(state.Card(1).DataMember, "10");
    EXPECT_EQ(random.used(), 5U);
}

TEST(Deal, NegativeCountLowersTheTotalAndTheDealStopsThere) {
    LetterCountValues counts = NoLetters();
    counts[1] = 3;  // B
    counts[2] = -2; // C
    counts[4] = 1;  // E
    GameState state;
    // The second B reaches the total; the extra E it draws (X = 1, Y = 1) must not pass it.
    ScriptedRandom random(
        {LetterDraw(2), QuarterDraw(3), LetterDraw(2), QuarterDraw(1), QuarterDraw(1)});
    DealWith(state, counts, random);
    EXPECT_EQ(state.CardsTotal, 2);
    EXPECT_EQ(state.Pack.Count(), 2);
    EXPECT_EQ(state.Card(2).DataField, "B");
    EXPECT_EQ(state.Card(3).Tag, CardTag::Marker);
    EXPECT_EQ(random.used(), 5U);
}

TEST(Deal, UnloadCardsDestroysEveryCardAndEmptiesTheLists) {
    GameState state;
    MersenneRandom random(11);
    DealWith(state, StandardLetterCounts, random);
    state.WordCards.Add(5);
    UnloadCards(state);
    for (int i = 1; i <= 105; ++i) {
        EXPECT_FALSE(state.CardExists(i)) << i;
    }
    EXPECT_TRUE(state.CardExists(0));
    EXPECT_TRUE(state.Pack.empty());
    EXPECT_TRUE(state.WordCards.empty());
    EXPECT_EQ(state.StackingOrder(), std::vector<int>{0});
}

} // namespace
} // namespace lexabit
