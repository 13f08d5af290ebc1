#include "game/words/WordsOnTable.h"

#include "TempProgramFolder.h"
#include "TestTable.h"
#include "game/words/Dictionary.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::TempProgramFolder;
using testing::TestTable;

// Cards 1..6 spell Z, A, T, E, Q, V.
class WordsOnTableTest : public ::testing::Test {
protected:
    WordsOnTableTest() { folder.WriteWordList("za\r\ntea\r\neat\r\nate\r\nzeta\r\nvat\r\n"); }

    std::vector<std::string> Spelled(const std::vector<int>& cards) const {
        std::string word;
        for (const int index : cards) {
            word += table.state.Card(index).DataField;
        }
        return {word};
    }

    TempProgramFolder folder;
    Dictionary dictionary{folder};
    TestTable table{"ZATEQV"};
};

TEST_F(WordsOnTableTest, MissedWordsComeFromTableAndWordCardsOnly) {
    table.PutInColumn(2, 1);   // A
    table.PutInColumn(3, 2);   // T
    table.MakeWord({4, 6}, 3); // E V
    table.MarkUsed(1);         // Z is gone; Q stays in the pack
    const WordSearch missed = MissedWords(table.state, dictionary);
    std::vector<std::string> words;
    for (const FoundWord& found : missed.Words) {
        words.push_back(found.Word);
    }
    EXPECT_EQ(words, (std::vector<std::string>{"VAT", "ATE", "EAT", "TEA"}));
}

TEST_F(WordsOnTableTest, AHintContinuesTheWordLaidOrElseUsesTableCardsAlone) {
    table.PutInColumn(1, 1);   // Z
    table.PutInColumn(2, 2);   // A
    table.PutInColumn(3, 3);   // T
    table.MakeWord({4, 6}, 4); // E V: no word begins so, so the table alone
    HintSearch hint = FindHint(table.state, dictionary);
    ASSERT_TRUE(hint.Found);
    EXPECT_EQ(hint.Found->Cards, (std::vector<int>{1, 2})); // ZA, 11 points
    EXPECT_EQ(hint.Found->Best.Points, 11);

    table.state.WordCards.Clear();
    table.state.Card(6).Tag = CardTag::Table;
    table.state.Card(4).Tag = CardTag::Table;
    table.MakeWord({1, 4}, 5); // Z E: ZETA goes on with T and A from the table
    hint = FindHint(table.state, dictionary);
    ASSERT_TRUE(hint.Found);
    EXPECT_EQ(Spelled(hint.Found->Cards), std::vector<std::string>{"ZETA"});
    EXPECT_EQ(hint.Found->Cards, (std::vector<int>{1, 4, 3, 2}));
}

TEST_F(WordsOnTableTest, AStuckPositionIsAskedAboutOnce) {
    table.PutInColumn(6, 1); // a lone V, the rest used or in the pack
    for (const int used : {1, 2, 3, 4}) {
        table.MarkUsed(used);
    }
    EXPECT_FALSE(StuckPositionToAskAbout(table.state, dictionary)) << "Q is still in the pack";
    table.MarkUsed(5);
    EXPECT_TRUE(StuckPositionToAskAbout(table.state, dictionary));
    EXPECT_FALSE(StuckPositionToAskAbout(table.state, dictionary));
}

struct HintCostRow {
    int level;
    int scoreBefore;
    std::vector<int> hints;
    int scoreAfter;
};

class HintCost : public ::testing::TestWithParam<HintCostRow> {};

TEST_P(HintCost, IsTakenWhenTheNextWordIsAcceptedButNeverBelowZero) {
    const HintCostRow& row = GetParam();
    GameState state;
    state.Level = static_cast<std::int16_t>(row.level);
    state.TotalScore = static_cast<std::int16_t>(row.scoreBefore);
    for (const int points : row.hints) {
        ChargeForHint(state, points);
    }
    EXPECT_EQ(state.TotalScore, row.scoreBefore) << "nothing is taken before a word";
    TakeHintCost(state);
    EXPECT_EQ(state.TotalScore, row.scoreAfter);
    TakeHintCost(state);
    EXPECT_EQ(state.TotalScore, row.scoreAfter) << "each hint is paid once";
}

INSTANTIATE_TEST_SUITE_P(ByLevel, HintCost,
                         ::testing::Values(HintCostRow{1, 30, {5, 7}, 18},
                                           HintCostRow{2, 30, {11}, 19}, HintCostRow{2, 4, {11}, 0},
                                           HintCostRow{3, 30, {11, 20}, 30}));

} // namespace
} // namespace lexabit
