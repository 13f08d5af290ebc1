#include "TempFolder.h"
#include "TestTable.h"
#include "game/scoring/ScoreTexts.h"
#include "game/words/Dictionary.h"
#include "game/words/WordFinder.h"
#include "game/words/WordsOnTable.h"

#include <gtest/gtest.h>
#include <optional>
#include <ranges>

namespace lexabit {
namespace {

using enum WordLookup;
using namespace testing; // the fakes and helpers of the rules tests
using Words = std::vector<std::string>;

TEST(Dictionary, FindsWholeEntriesInAnyCaseWhateverSeparatesThemOrWhereBlocksEnd) {
    const std::string bom = "\xEF\xBB\xBF";
    using Asked = std::vector<const char*>;
    // clang-format off
    const std::tuple<std::string, Asked, Asked> cases[] = { // list, words found, not found
        {"dog\r\nCat\r\nhOrSe\r\n", {"CAT", "HORSE", "DOG"}, {"cat", "Cat"}}, // asked in capitals
        {"cats\r\nscat\r\nca\r\n", {"CA"}, {"CAT", "AT"}}, {"dog\ncat\remu\r\n\r\nant", {"CAT", "EMU", "ANT"}, {""}},
        {"dog,,cat,\r\n", {"CAT", "DOG"}, {"DOG,CAT"}}, {" \tcat\t ,  dog \r\nemu ", {"CAT", "DOG", "EMU"}, {}},
        {"c at\r\n", {}, {"CAT"}}, {bom + "cat\r\n", {"CAT"}, {}}, {bom, {}, {"CAT"}}, {"", {}, {"CAT"}},
        {"\"cat\" , \"dog\"\r\n", {"CAT", "DOG"}, {}}, {"\"dog,cat\"\r\n", {"DOG,CAT"}, {"CAT"}},
    };
    // clang-format on
    TempProgramFolder folder;
    const Dictionary dictionary(folder);
    for (const auto& [list, found, notFound] : cases) {
        folder.WriteWordList(list); // every call reads the list afresh
        for (const auto& [words, lookup] : {std::pair(found, Found), {notFound, NotFound}}) {
            for (const char* word : words) {
                EXPECT_EQ(dictionary.CheckWord(word), lookup) << word << " in " << list;
            }
        }
    }
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

// Points: ZA 11, TEA, ATE and EAT 3; a hint searches as the word search does.
TEST(BestWords, FindsOnlyWordsTheCardsCanLayBestFirstCommonOnesFirstForAHint) {
    const std::string zeta = "za\r\ntea\r\nzeta\r\nvat\r\n";
    using Text = std::optional<std::string>;
    // clang-format off
    const std::tuple<Text, Text, std::string, std::size_t, Words> rows[] = {
        // the list and the common words (none: there is none), the letters at hand, how many at most, the words found
        {"TAT\r\nTA\r\n", {}, "AT", 10, {"TA"}}, {"TAT\r\nTA\r\n", {}, "ATT", 10, {"TAT", "TA"}}, // each letter as often as it lies
        {"CATS\r\nCAT\r\n", {}, "CAT", 10, {"CAT"}},
        {"cAt\r\nCAT\r\ncat\r\n", {}, "TAC", 10, {"CAT"}},   // any case, each word once
        {"A\r\nA-T\r\nT A\r\nAT\r\n", {}, "AT", 10, {"AT"}}, // two cards or more, letters only
        {" \"za\", quiz\r\n", {}, "ZAQUI", 10, {"QUIZ", "ZA"}}, // every entry of a line
        {"ET\r\nTEA\r\nEAT\r\nZA\r\nATE\r\n", {}, "ZATE", 3, {"ZA", "ATE", "EAT"}},
        {"", {}, "AT", 10, {}}, {std::nullopt, {}, "AT", 10, {}},
        {zeta, {}, "ZATEV", 1, {"ZETA"}}, {zeta, "tea\r\nvat\r\n", "ZATEV", 1, {"VAT"}}, // common words the list holds first;
        {zeta, "zat\r\nzetas\r\n", "ZATEV", 1, {"ZETA"}}, {zeta, std::string("\xFF\0\"za,\x01", 7), "ZATEV", 1, {"ZETA"}}, // others, or unsound: the best
    };
    // clang-format on
    for (const auto& [list, common, cards, limit, found] : rows) {
        TempProgramFolder folder; // with no word list until one is written
        if (list) {
            folder.WriteWordList(*list);
        }
        const Dictionary dictionary(folder);
        if (common) {
            WriteBytes(dictionary.CommonWordsPath(), *common);
        }
        LetterTally atHand{};
        for (const char letter : cards) {
            ++atHand[static_cast<std::size_t>(letter - 'A')];
        }
        const WordSearch search = BestWordsToHint(dictionary, atHand, limit);
        EXPECT_EQ(WordsOf(search), found) << cards << " " << list.value_or("no list");
        EXPECT_EQ(search.Problem,
                  list ? std::string{} : WordCheckTexts::WordListUnreadable(folder.WordListFile()));
    }
}

// A hint from face-up cards but the word; missed words; a stuck table asked about once.
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

TEST(HintCost, IsTakenOnceForEachWordAndItsCardsWhenTheNextWordIsAcceptedNeverBelowZero) {
    const Hint za{{"ZA", 11}, {1, 2}};
    const Hint zaOtherCards{{"ZA", 11}, {1, 5}};
    const Hint at{{"AT", 2}, {2, 3}};
    // The level, the score before, the hints charged, the score after the next words.
    const std::tuple<Level, int, std::vector<Hint>, int> rows[] = {
        {Level::Hard, 30, {za, at}, 17},
        {Level::Easy, 30, {za, za, za}, 19},
        {Level::Easy, 30, {za, zaOtherCards}, 8},
        {Level::Easy, 4, {za}, 0},
        {Level::VeryEasy, 30, {za, at}, 30}};
    for (const auto& [level, before, hints, after] : rows) {
        GameState state;
        state.GameLevel = level;
        state.TotalScore = static_cast<std::int16_t>(before);
        for (const Hint& hint : hints) {
            ChargeForHint(state, hint);
        }
        EXPECT_EQ(state.TotalScore, before) << "nothing is taken before a word";
        TakeHintCost(state);
        TakeHintCost(state);
        EXPECT_EQ(state.TotalScore, after) << StoredLevelNumber(level) << " " << before;
        ChargeForHint(state, za); // the accepted word was the end of what was charged
        EXPECT_EQ(state.HintCost, level == Level::VeryEasy ? 0 : 11);
    }
}

} // namespace
} // namespace lexabit
