#include "game/play/WordCheck.h"

#include "FakePorts.h"
#include "TempFolder.h"
#include "TestTable.h"
#include "game/play/UndoLastMove.h"
#include "game/words/Dictionary.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

using enum Level;
using enum WordCheckOutcome::Result;

using namespace testing; // the fakes and helpers of the rules tests

constexpr int FirstWordCard = 11;
const float WordLeft = TestTable::ColumnLeft(2);
constexpr float WordTop = TestTable::ColumnTop;

// Twenty letter cards in the pack; words are laid on cards 11, 12, ... down column 2.
class WordCheckTest : public ::testing::Test {
protected:
    WordCheckTest() {
        folder.WriteWordList("cat\r\nquiz\r\nbread\r\nsquash\r\nanagram\r\njo\r\nzoo\r\n");
        state.Elements.DiscardDeck.Left = 900.4;
        state.Elements.DiscardDeck.Top = 50.6;
        state.Clocks.WordTimerMinutes = 1;
    }

    void LayWord(const std::string& word) { // in place of any word laid before
        state.WordCards.Clear();
        std::vector<int> cards;
        for (std::size_t k = 0; k < word.size(); ++k) {
            cards.push_back(FirstWordCard + static_cast<int>(k));
            table.SetLetter(cards.back(), word[k]);
        }
        table.MakeWord(cards, 2);
    }

    WordCheckOutcome Check() {
        return WordCheck(state, dictionary, effects, clock, filler).Check();
    }

    TempProgramFolder folder;
    Dictionary dictionary{folder};
    TestTable table{std::string(20, 'E')};
    GameState& state = table.state;
    GlidingEffects effects{state};
    FakeClock clock;
    CardTag firstTagAtFill = CardTag::Pack;
    ColumnFiller filler = [this](GameState& filled, Effects&) {
        firstTagAtFill = filled.Card(FirstWordCard).Tag;
    };
};

TEST_F(WordCheckTest, AWordNotInTheListOrAnUnreadableListRefusesTheWordAndChangesNothing) {
    const std::pair<const char*, std::string> cases[] = {
        // the word, what the message tells
        {"TAC", "That word is not in our dictionary.  Please try again."},
        {"CAT", folder.WordListFile().string()}}; // once the word list is gone
    for (const auto& [word, message] : cases) {
        LayWord(word);
        const GameState before = state;
        const WordCheckOutcome outcome = Check();
        EXPECT_EQ(std::pair(outcome.Outcome, outcome.Title),
                  std::pair(Refused, std::string("Lexabit Solitaire")))
            << word;
        EXPECT_NE(outcome.Message.find(message), std::string::npos) << outcome.Message;
        EXPECT_TRUE(effects.glides.empty());
        EXPECT_EQ(state.Clocks.WordTimerMinutes, before.Clocks.WordTimerMinutes);
        EXPECT_EQ(state.WordCards, before.WordCards);
        EXPECT_EQ(state.Card(FirstWordCard).Tag, CardTag::Word);
        std::filesystem::remove(folder.WordListFile());
    }
}

// The row's points: letters and laying bonus, then after a plus sign the length bonus.
TEST_F(WordCheckTest, EarnsTheLaidPointsPlusTheLengthBonusAndRestartsTheWordTimer) {
    // clang-format off
    const std::tuple<const char*, const char*, int, Level, int> rows[] = {
        // word, row points, gain, level, word timer after (1 before)
        {"JO", " 9", 9, Hard, 0},          {"CAT", " 5", 5, Easy, 2},
        {"QUIZ", " 22 + 2", 24, VeryEasy, -1}, {"BREAD", " 11 + 3", 14, Easy, 2},
        {"SQUASH", " 22 + 5", 27, Easy, 2},    {"ANAGRAM", " 20 + 10", 30, Easy, 2},
    };
    // clang-format on
    for (const auto& [word, rowPoints, gain, level, minutes] : rows) {
        state.TotalScore = 7;
        state.GameLevel = level;
        state.Clocks.WordTimerMinutes = level == VeryEasy ? -1 : 1;
        clock.Advance(90);
        state.WordsFound.clear();
        LayWord(word);
        EXPECT_EQ(Check().Outcome, Accepted);
        EXPECT_EQ(state.WordsFound, (std::vector<AcceptedWord>{{word, rowPoints}}));
        EXPECT_EQ(state.TotalScore, 7 + gain) << word;
        EXPECT_EQ(state.Clocks.WordTimerMinutes, minutes) << word;
        EXPECT_EQ(state.Clocks.WordTimerStart, clock.now) << word;
    }
}

TEST_F(WordCheckTest, AnAcceptedWordRunsItsStepsInOrderAndItsCardsGoToTheDiscardPile) {
    // Before the first card moves the board shows the word listed, labels cleared, the pile.
    int shownBeforeTheGlides = 0;
    effects.onRepaint = [&] {
        if (effects.glides.empty()) {
            ++shownBeforeTheGlides;
            EXPECT_EQ(state.WordsFound, (std::vector<AcceptedWord>{{"CAT", " 5"}}));
            EXPECT_EQ(state.Shown, WordDisplay{});
            EXPECT_TRUE(state.Piles.DiscardPile);
        }
    };
    // The cards gather on the first and glide to the pile; on Hard the last stays in its place.
    for (const Level level : {Easy, Hard}) {
        SCOPED_TRACE(StoredLevelNumber(level));
        state.GameLevel = level;
        state.TotalScore = 0;
        state.HintCost = 4;
        state.WordsFound.clear();
        effects.glides.clear();
        LayWord("CAT");
        state.Shown = ShowWord(state);
        // The T came from elsewhere; once the word is accepted, undo no longer takes it back.
        state.Undo = LastMove{FirstWordCard + 2, CardTag::Table, 500, 500, 0};
        Check();
        UndoLastMove(state, effects);
        EXPECT_EQ(state.TotalScore, 1); // 5 less the hint's 4
        EXPECT_EQ(state.HintCost, 0);
        EXPECT_EQ(firstTagAtFill, CardTag::Used) << "the columns are filled after the word left";
        const int away = level == Hard ? 2 : 3;
        ASSERT_EQ(effects.glides.size(), 3U + static_cast<std::size_t>(away));
        for (int k = 0; k < 3; ++k) {
            const auto& gather = effects.glides[static_cast<std::size_t>(k)];
            EXPECT_EQ(std::tuple(gather.index, gather.left, gather.top, gather.steps),
                      std::tuple(FirstWordCard + k, WordLeft, WordTop, 30));
            const CardRecord& card = state.Card(FirstWordCard + k);
            const auto expected = k < away ? std::tuple(CardTag::Used, false, -100.0F, -100.0F)
                                           : std::tuple(CardTag::Table, true, WordLeft, WordTop);
            EXPECT_EQ(std::tuple(card.Tag, card.Visible, card.Left, card.Top), expected) << k;
        }
        const auto& toPile = effects.glides.back(); // to the pile's place in whole pixels
        EXPECT_EQ(std::pair(toPile.left, toPile.top), std::pair(900.0, 51.0));
        EXPECT_TRUE(state.WordCards.empty());
        EXPECT_TRUE(state.Piles.Pack); // cards were left in the pack
    }
    EXPECT_EQ(shownBeforeTheGlides, 2);
    filler = [](GameState& filled, Effects&) { // deals every card left in the pack
        for (const int card : filled.Pack.items()) {
            filled.Card(card).Tag = CardTag::Table;
        }
    };
    LayWord("JO");
    Check();
    EXPECT_FALSE(state.Piles.Pack);
}

// The Easy bonus, left out where it would overflow, comes once the board has shown the end.
TEST_F(WordCheckTest, UsingTheLastCardEndsTheGameWithTheEasyBonusAndHardNeverEnds) {
    // The level, the score with the word, after the bonus, whether the game is over.
    const std::tuple<Level, int, int, bool> rows[] = {
        {VeryEasy, 105, 105, true},
        {Easy, 105, 115, true},
        {Easy, 32765, 32765, true},
        {Hard, 105, 105, false}}; // Hard keeps one card
    for (const auto& [level, before, after, over] : rows) {
        SCOPED_TRACE(StoredLevelNumber(level));
        for (int i = 1; i <= state.CardsTotal; ++i) {
            state.Card(i).Tag = CardTag::Used; // all but the word laid next
        }
        LayWord("CAT");
        state.GameLevel = level;
        state.TotalScore = static_cast<std::int16_t>(before - 5);
        state.PlayerName = "Previous";
        ASSERT_EQ(Check().Outcome, over ? AllCardsUsed : Accepted);
        EXPECT_EQ(state.TotalScore, before);
        if (over) {
            AwardAllCardsUsed(state);
            EXPECT_EQ(state.TotalScore, after);
            EXPECT_EQ(state.PlayerName, ""); // asked for anew
        }
    }
}

} // namespace
} // namespace lexabit
