#include "TempFolder.h"
#include "TestTable.h"
#include "game/scoring/ScoreTexts.h"
#include "game/words/Dictionary.h"
#include "game/words/WordFinder.h"
#include "game/words/WordsOnTable.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <ranges>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using enum WordLookup;
using testing::TempProgramFolder;
using testing::TestTable;
using Words = std::vector<std::string>;

TEST(Dictionary, FindsWholeEntriesInAnyCaseWhateverSeparatesThemOrWhereBlocksEnd) {
    const std::string bom = "\xEF\xBB\xBF";
    struct Case {
        std::string list;
        std::vector<const char*> found, notFound;
    };
    // clang-format off
    const Case cases[] = {
        {"dog\r\nCat\r\nhOrSe\r\n", {"CAT", "HORSE", "DOG"}, {"cat", "Cat"}}, // asked in capitals
        {"cats\r\nscat\r\nca\r\n", {"CA"}, {"CAT", "AT"}},
        {"dog\ncat\remu\r\n\r\nant", {"CAT", "EMU", "ANT"}, {""}},
        {"dog,,cat,\r\n", {"CAT", "DOG"}, {"DOG,CAT"}},
        {" \tcat\t ,  dog \r\nemu ", {"CAT", "DOG", "EMU"}, {}},
        {"c at\r\n", {}, {"CAT"}},
        {bom + "cat\r\n", {"CAT"}, {}},
        {bom, {}, {"CAT"}},
        {"\"cat\" , \"dog\"\r\n", {"CAT", "DOG"}, {}},
        {"\"dog,cat\"\r\n", {"DOG,CAT"}, {"CAT"}},
        {"", {}, {"CAT"}},
    };
    // clang-format on
    TempProgramFolder folder;
    const Dictionary dictionary(folder);
    for (const Case& c : cases) {
        folder.WriteWordList(c.list); // every call reads the list afresh
        for (const auto& [words, lookup] : {std::pair(c.found, Found), {c.notFound, NotFound}}) {
            for (const char* word : words) {
                EXPECT_EQ(dictionary.CheckWord(word), lookup) << word << " in " << c.list;
            }
        }
    }
    std::filesystem::remove(folder.WordListFile()); // closed after the call
    EXPECT_EQ(dictionary.CheckWord("CAT"), Unreadable);

    std::string list;
    for (int i = 0; i < 40; ++i) {
        list += "word" + std::to_string(i) + "\r\n";
    }
    folder.WriteWordList(list + "TaRgEt\r\n\"quoted, Target\"\r\ntail");
    const std::pair<const char*, WordLookup> scans[] = {
        {"TARGET", Found}, {"QUOTED, TARGET", Found}, {"TAIL", Found},
        {"WORD0", Found},  {"ARGET", NotFound},       {"WORD40", NotFound}};
    for (const std::size_t block : {1, 2, 3, 5, 8, 13, 4096}) {
        for (const auto& [word, lookup] : scans) {
            EXPECT_EQ(ScanWordList(folder.WordListFile(), word, block), lookup)
                << word << " in blocks of " << block;
        }
    }
}

Words WordsOf(const WordSearch& search) {
    const auto words = search.Words | std::views::transform(&FoundWord::Word);
    return {words.begin(), words.end()};
}

LetterTally TallyOf(std::string_view letters) {
    LetterTally tally{};
    for (const char letter : letters) {
        ++tally[static_cast<std::size_t>(letter - 'A')];
    }
    return tally;
}

// The word list's lines are read field by field as the word check reads them.
TEST(FindBestWords, FindsOnlyWordsTheCardsCanLayBestFirst) {
    struct Row {
        std::optional<std::string> list; // none: there is no list
        std::string cards;               // the letters at hand
        std::size_t limit;
        Words found;
    };
    // Points: ZA 11; TEA, ATE and EAT 3. Every word found is one the word check accepts.
    // clang-format off
    const Row rows[] = {
        {"TAT\r\nTA\r\n", "AT", 10, {"TA"}},              // each letter as often as it lies
        {"TAT\r\nTA\r\n", "ATT", 10, {"TAT", "TA"}},
        {"CATS\r\nCAT\r\n", "CAT", 10, {"CAT"}},
        {"cAt\r\nCAT\r\ncat\r\n", "TAC", 10, {"CAT"}},   // any case, each word once
        {"A\r\nA-T\r\nT A\r\nAT\r\n", "AT", 10, {"AT"}}, // two cards or more, letters only
        {" \"za\", quiz\r\n", "ZAQUI", 10, {"QUIZ", "ZA"}}, // every entry of a line
        {"ET\r\nTEA\r\nEAT\r\nZA\r\nATE\r\n", "ZATE", 3, {"ZA", "ATE", "EAT"}},
        {"", "AT", 10, {}},
        {std::nullopt, "AT", 10, {}},
    };
    // clang-format on
    for (const Row& row : rows) {
        TempProgramFolder folder; // with no word list until one is written
        if (row.list) {
            folder.WriteWordList(*row.list);
        }
        const Dictionary dictionary(folder);
        const WordSearch search = FindBestWords(dictionary, TallyOf(row.cards), row.limit);
        EXPECT_EQ(WordsOf(search), row.found) << row.cards << " " << row.list.value_or("no list");
        for (const std::string& word : row.found) {
            EXPECT_EQ(dictionary.CheckWord(word), Found) << word;
        }
        EXPECT_EQ(search.Problem, row.list
                                      ? std::string{}
                                      : WordCheckTexts::WordListUnreadable(folder.WordListFile()));
    }
}
// A hint takes the best word of all face-up cards but the word laid; the words missed come
// from table and word cards only; a table where nothing more can be laid is asked about once.
TEST(WordsOnTable, HintMissedWordsAndAStuckPositionInOneGame) {
    TempProgramFolder folder;
    folder.WriteWordList("za\r\ntea\r\neat\r\nate\r\nzeta\r\nvat\r\n");
    const Dictionary dictionary(folder);
    TestTable table("ZATEQV");
    for (const int card : {1, 2, 3}) {
        table.PutInColumn(card, card); // Z A T
    }
    table.MakeWord({4, 6}, 4); // E V: ZETA takes the laid E and table cards
    HintSearch hint = FindHint(table.state, dictionary);
    ASSERT_TRUE(hint.Found);
    EXPECT_EQ(hint.Found->Cards, (std::vector<int>{1, 4, 3, 2}));
    EXPECT_EQ(hint.Found->Best.Points, 15);

    table.state.WordCards.Clear();
    table.PutInColumn(4, 4);
    table.PutInColumn(6, 6);
    table.MakeWord({1, 4, 3, 2}, 1); // ZETA laid: the next best, from its own cards
    hint = FindHint(table.state, dictionary);
    ASSERT_TRUE(hint.Found);
    EXPECT_EQ(hint.Found->Cards, (std::vector<int>{1, 2}));

    table.state.WordCards.Clear();
    table.MarkUsed(1); // Z is gone; Q stays in the pack
    EXPECT_EQ(WordsOf(MissedWords(table.state, dictionary)), (Words{"VAT", "ATE", "EAT", "TEA"}));
    for (const int used : {2, 3, 4}) {
        table.MarkUsed(used); // a lone V left on the table
    }
    EXPECT_FALSE(StuckPositionToAskAbout(table.state, dictionary)) << "Q is still in the pack";
    table.MarkUsed(5);
    EXPECT_TRUE(StuckPositionToAskAbout(table.state, dictionary));
    EXPECT_FALSE(StuckPositionToAskAbout(table.state, dictionary));
}

// The hint prefers a common word the word list holds; without a sound list of common words
// it takes the best of all.
TEST(BestWordsToHint, PrefersCommonWordsOfTheWordList) {
    struct Row {
        std::optional<std::string> common; // none: no such list
        std::string best;
    };
    const Row rows[] = {{std::nullopt, "ZETA"},
                        {"tea\r\nvat\r\n", "VAT"},
                        {"zat\r\nzetas\r\n", "ZETA"}, // words the word list lacks
                        {std::string("\xFF\0\"za,\x01", 7), "ZETA"}};
    for (const Row& row : rows) {
        TempProgramFolder folder;
        folder.WriteWordList("za\r\ntea\r\nzeta\r\nvat\r\n");
        const Dictionary dictionary(folder);
        if (row.common) {
            testing::WriteBytes(dictionary.CommonWordsPath(), *row.common);
        }
        const Words best = WordsOf(BestWordsToHint(dictionary, TallyOf("ZATEV"), 1));
        EXPECT_EQ(best, Words{row.best}) << row.common.value_or("no list");
    }
}

TEST(HintCost, IsTakenOnceForEachWordAndItsCardsWhenTheNextWordIsAcceptedNeverBelowZero) {
    const Hint za{{"ZA", 11}, {1, 2}};
    const Hint zaOtherCards{{"ZA", 11}, {1, 5}};
    const Hint at{{"AT", 2}, {2, 3}};
    struct Row {
        Level level;
        int scoreBefore;
        std::vector<Hint> hints;
        int scoreAfter;
    };
    const Row rows[] = {{Level::Hard, 30, {za, at}, 17},
                        {Level::Easy, 30, {za, za, za}, 19},
                        {Level::Easy, 30, {za, zaOtherCards}, 8},
                        {Level::Easy, 4, {za}, 0},
                        {Level::VeryEasy, 30, {za, at}, 30}};
    for (const Row& row : rows) {
        GameState state;
        state.GameLevel = row.level;
        state.TotalScore = static_cast<std::int16_t>(row.scoreBefore);
        for (const Hint& hint : row.hints) {
            ChargeForHint(state, hint);
        }
        EXPECT_EQ(state.TotalScore, row.scoreBefore) << "nothing is taken before a word";
        TakeHintCost(state);
        TakeHintCost(state);
        EXPECT_EQ(state.TotalScore, row.scoreAfter)
            << StoredLevelNumber(row.level) << " " << row.scoreBefore;
        ChargeForHint(state, za); // the accepted word was the end of what was charged
        EXPECT_EQ(state.HintCost, row.level == Level::VeryEasy ? 0 : 11);
    }
}

} // namespace
} // namespace lexabit
