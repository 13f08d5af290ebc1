#include "game/SkillRating.h"

#include "game/Alphabet.h"
#include "game/GameState.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

GameState StateWithCards(int cards, int used) {
    GameState state;
    state.CardsTotal = static_cast<std::int16_t>(cards);
    for (int i = 1; i <= cards + 7; ++i) {
        state.CreateCard(i);
        state.Card(i).Tag = i > cards ? CardTag::Marker : CardTag::Pack;
    }
    for (int i = 1; i <= used; ++i) {
        state.Card(i).Tag = CardTag::Used;
    }
    return state;
}

TEST(CardsLeft, CountsEveryLetterCardNotYetUsed) {
    GameState state = StateWithCards(10, 4);
    state.Card(5).Tag = CardTag::Table;
    state.Card(6).Tag = CardTag::Word;
    EXPECT_EQ(CardsLeft(state), 6); // pack, table and word cards alike; markers not at all
}

TEST(CardsLeft, IsTheWholeDealBeforeAnyWord) {
    int standard = 0;
    for (const int count : StandardLetterCounts) {
        standard += count;
    }
    const GameState state = StateWithCards(standard, 0);
    EXPECT_EQ(CardsLeft(state), 98);
    EXPECT_EQ(SkillLevel(state), "Fair");
}

struct RatingRow {
    int cardsLeft;
    const char* rating;
};

class Rating : public ::testing::TestWithParam<RatingRow> {};

TEST_P(Rating, FollowsTheNumberOfCardsLeft) {
    EXPECT_EQ(SkillLevelFor(GetParam().cardsLeft), GetParam().rating);
}

INSTANTIATE_TEST_SUITE_P(Table, Rating,
                         ::testing::Values(RatingRow{0, "Master"}, RatingRow{1, "Fantastic"},
                                           RatingRow{2, "Excellent"}, RatingRow{3, "Great"},
                                           RatingRow{4, "Good"}, RatingRow{5, "Average"},
                                           RatingRow{6, "Fair"}, RatingRow{60, "Fair"},
                                           RatingRow{-1, ""}));

TEST(Rating, OfAGameIsTakenFromItsCards) {
    const GameState state = StateWithCards(10, 8);
    EXPECT_EQ(SkillLevel(state), "Excellent");
    EXPECT_EQ(SkillLevel(state), "Excellent");
}

TEST(RatingMessage, NamesTheRatingAndTheCardsLeft) {
    EXPECT_EQ(RatingMessage(StateWithCards(10, 6)),
              "Your skill level is: Good, You had 4 cards left");
}

TEST(RatingMessage, SaysCardForExactlyOne) {
    EXPECT_EQ(RatingMessage(StateWithCards(10, 9)),
              "Your skill level is: Fantastic, You had 1 card left");
}

TEST(RatingMessage, SaysCardsForNone) {
    EXPECT_EQ(RatingMessage(StateWithCards(10, 10)),
              "Your skill level is: Master, You had 0 cards left");
}

} // namespace
} // namespace lexabit
