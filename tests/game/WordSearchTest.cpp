#include "TempFolder.h"
#include "TestTable.h"
#include "game/scoring/ScoreTexts.h"
#include "game/words/Dictionary.h"
#include "game/words/WordFinder.h"
#include "game/words/WordsOnTable.h"

#include <gtest/gtest.h>
#include <optional>
#include <ranges>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::TempProgramFolder;
using testing::TestTable;
using Words = std::vector<std::string>;

Words WordsOf(const WordSearch& search) {
    const auto words = search.Words | std::views::transform(&FoundWord::Word);
    return {words.begin(), words.end()};
}

TEST(FindBestWords, FindsOnlyWordsTheCardsCanLayBestFirst) {
    struct Row {
        std::optional<std::string> list; // none: there is no list
        std::string cards, start;        // the letters at hand, the capitals already laid
        std::size_t limit;
        Words found;
    };
    // Points: ZA 11; TEA, ATE and EAT 3; ET 2.
    // clang-format off
    const Row rows[] = {
        {"TAT\r\nTA\r\n", "AT", "", 10, {"TA"}},              // each letter as often as it lies
        {"TAT\r\nTA\r\n", "ATT", "", 10, {"TAT", "TA"}},
        {"CATS\r\nCAT\r\n", "CAT", "", 10, {"CAT"}},
        {"cAt\r\nCAT\r\ncat\r\n", "TAC", "", 10, {"CAT"}},   // any case, each word once
        {"A\r\nA-T\r\nT A\r\nAT\r\n", "AT", "", 10, {"AT"}}, // two cards or more, letters only
        {" \"za\", quiz\r\n", "ZAQUI", "", 10, {"QUIZ", "ZA"}}, // entries as the word check reads
        {"ET\r\nTEA\r\nEAT\r\nZA\r\nATE\r\n", "ZATE", "", 3, {"ZA", "ATE", "EAT"}},
        {"TEA\r\nEAT\r\nET\r\nE\r\n", "AT", "E", 10, {"EAT", "ET"}}, // begins with the word laid
        {"", "AT", "", 10, {}},
        {std::nullopt, "AT", "", 10, {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        TempProgramFolder folder; // with no word list until one is written
        if (row.list) {
            folder.WriteWordList(*row.list);
        }
        LetterTally tally{};
        for (const char letter : row.cards) {
            ++tally[static_cast<std::size_t>(letter - 'A')];
        }
        const WordSearch search = FindBestWords(Dictionary(folder), row.start, tally, row.limit);
        EXPECT_EQ(WordsOf(search), row.found) << row.cards << " " << row.list.value_or("no list");
        EXPECT_EQ(search.Problem, row.list
                                      ? std::string{}
                                      : WordCheckTexts::WordListUnreadable(folder.WordListFile()));
    }
}

// A hint continues the word laid, or else uses table cards alone; the words missed come from
// table and word cards only; a table where nothing more can be laid is asked about once.
TEST(WordsOnTable, HintMissedWordsAndAStuckPositionInOneGame) {
    TempProgramFolder folder;
    folder.WriteWordList("za\r\ntea\r\neat\r\nate\r\nzeta\r\nvat\r\n");
    const Dictionary dictionary(folder);
    TestTable table("ZATEQV");
    for (const int card : {1, 2, 3}) {
        table.PutInColumn(card, card); // Z A T
    }
    table.MakeWord({4, 6}, 4); // E V: no word begins so
    HintSearch hint = FindHint(table.state, dictionary);
    ASSERT_TRUE(hint.Found);
    EXPECT_EQ(hint.Found->Cards, (std::vector<int>{1, 2})); // ZA, 11 points
    EXPECT_EQ(hint.Found->Best.Points, 11);

    table.MarkUsed(1); // Z is gone; Q stays in the pack
    EXPECT_EQ(WordsOf(MissedWords(table.state, dictionary)), (Words{"VAT", "ATE", "EAT", "TEA"}));

    table.state.WordCards.Clear();
    table.PutInColumn(6, 1);
    table.PutInColumn(1, 5);
    table.MakeWord({1, 4}, 5); // Z E: ZETA goes on with T and A from the table
    hint = FindHint(table.state, dictionary);
    ASSERT_TRUE(hint.Found);
    EXPECT_EQ(hint.Found->Cards, (std::vector<int>{1, 4, 3, 2}));

    table.state.WordCards.Clear();
    for (const int used : {1, 2, 3, 4}) {
        table.MarkUsed(used); // a lone V left on the table
    }
    EXPECT_FALSE(StuckPositionToAskAbout(table.state, dictionary)) << "Q is still in the pack";
    table.MarkUsed(5);
    EXPECT_TRUE(StuckPositionToAskAbout(table.state, dictionary));
    EXPECT_FALSE(StuckPositionToAskAbout(table.state, dictionary));
}

TEST(HintCost, IsTakenOnceWhenTheNextWordIsAcceptedButNeverBelowZero) {
    struct Row {
        Level level;
        int scoreBefore;
        std::vector<int> hints;
        int scoreAfter;
    };
    const Row rows[] = {{Level::Hard, 30, {5, 7}, 18},
                        {Level::Easy, 30, {11}, 19},
                        {Level::Easy, 4, {11}, 0},
                        {Level::VeryEasy, 30, {11, 20}, 30}};
    for (const Row& row : rows) {
        GameState state;
        state.GameLevel = row.level;
        state.TotalScore = static_cast<std::int16_t>(row.scoreBefore);
        for (const int points : row.hints) {
            ChargeForHint(state, points);
        }
        EXPECT_EQ(state.TotalScore, row.scoreBefore) << "nothing is taken before a word";
        TakeHintCost(state);
        TakeHintCost(state);
        EXPECT_EQ(state.TotalScore, row.scoreAfter)
            << StoredLevelNumber(row.level) << " " << row.scoreBefore;
    }
}

} // namespace
} // namespace lexabit
