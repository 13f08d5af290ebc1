#include "game/model/GameState.h"
#include "game/scoring/ScoreTexts.h"

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

TEST(Rating, FollowsTheNumberOfCardsLeft) {
    const std::pair<int, const char*> table[] = {{0, "Master"}, {1, "Fantastic"}, {2, "Excellent"},
                                                 {3, "Great"},  {4, "Good"},      {5, "Average"},
                                                 {6, "Fair"},   {60, "Fair"},     {-1, ""}};
    for (const auto& [cardsLeft, rating] : table) {
        EXPECT_EQ(SkillLevelFor(cardsLeft), rating) << cardsLeft;
    }
    EXPECT_EQ(SkillLevel(StateWithCards(10, 8)), "Excellent");
}

TEST(RatingMessage, NamesTheRatingAndTheCardsLeftSayingCardForExactlyOne) {
    EXPECT_EQ(RatingMessage(StateWithCards(10, 6)),
              "Your skill level is: Good, You had 4 cards left");
    EXPECT_EQ(RatingMessage(StateWithCards(10, 9)),
              "Your skill level is: Fantastic, You had 1 card left");
    EXPECT_EQ(RatingMessage(StateWithCards(10, 10)),
              "Your skill level is: Master, You had 0 cards left");
}

} // namespace
} // namespace lexabit
