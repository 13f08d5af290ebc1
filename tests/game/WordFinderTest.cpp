#include "game/words/WordFinder.h"

#include "TempProgramFolder.h"
#include "game/scoring/ScoreTexts.h"
#include "game/words/Dictionary.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::TempProgramFolder;

struct FinderRow {
    const char* rule;
    std::optional<std::string> list; // no list at all when empty
    std::string cards;               // the letters at hand
    std::string start;               // the capitals already laid
    std::size_t limit;
    std::vector<std::string> found; // best first
};

LetterTally TallyOf(const std::string& cards) {
    LetterTally tally{};
    for (const char letter : cards) {
        ++tally[static_cast<std::size_t>(letter - 'A')];
    }
    return tally;
}

class FindBestWordsTest : public ::testing::TestWithParam<FinderRow> {};

TEST_P(FindBestWordsTest, FindsOnlyWordsTheCardsCanLay) {
    const FinderRow& row = GetParam();
    TempProgramFolder folder;
    if (row.list) {
        folder.WriteWordList(*row.list);
    } else {
        std::filesystem::remove(folder.WordListFile());
    }
    const Dictionary dictionary(folder);

    const WordSearch search = FindBestWords(dictionary, row.start, TallyOf(row.cards), row.limit);

    std::vector<std::string> words;
    for (const FoundWord& found : search.Words) {
        words.push_back(found.Word);
    }
    EXPECT_EQ(words, row.found);
    EXPECT_EQ(search.Problem,
              row.list ? std::string{} : WordCheckTexts::WordListUnreadable(folder.WordListFile()));
}

// Points: ZA 11; TEA, ATE and EAT 3; ET 2.
INSTANTIATE_TEST_SUITE_P(
    Rules, FindBestWordsTest,
    ::testing::Values(
        FinderRow{"each letter as often as it lies", "TAT\r\nTA\r\n", "AT", "", 10, {"TA"}},
        FinderRow{"a repeated letter on two cards", "TAT\r\nTA\r\n", "ATT", "", 10, {"TAT", "TA"}},
        FinderRow{"a word longer than the cards", "CATS\r\nCAT\r\n", "CAT", "", 10, {"CAT"}},
        FinderRow{
            "entries in any case, each once", "cAt\r\nCAT\r\ncat\r\n", "TAC", "", 10, {"CAT"}},
        FinderRow{"CR LF and a last line without", "AT\r\nTA", "AT", "", 10, {"AT", "TA"}},
        FinderRow{"LF and CR alone end lines too", "AT\nTA\rET", "ATE", "", 10, {"AT", "ET", "TA"}},
        FinderRow{"one card is no word", "A\r\nAT\r\n", "AT", "", 10, {"AT"}},
        FinderRow{"only letters can be laid", "A-T\r\nT A\r\nAT\r\n", "AT", "", 10, {"AT"}},
        FinderRow{"entries read as the word check reads them",
                  " \"za\", quiz\r\n",
                  "ZAQUI",
                  "",
                  10,
                  {"QUIZ", "ZA"}},
        FinderRow{"most points first, then alphabetical, up to the limit",
                  "ET\r\nTEA\r\nEAT\r\nZA\r\nATE\r\n",
                  "ZATE",
                  "",
                  3,
                  {"ZA", "ATE", "EAT"}},
        FinderRow{"the word laid begins every word found",
                  "TEA\r\nEAT\r\nET\r\nE\r\n",
                  "AT",
                  "E",
                  10,
                  {"EAT", "ET"}},
        FinderRow{"an empty list", "", "AT", "", 10, {}},
        FinderRow{"a missing list", std::nullopt, "AT", "", 10, {}}),
    [](const ::testing::TestParamInfo<FinderRow>& info) {
        std::string name;
        for (const char* c = info.param.rule; *c != '\0'; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c)) != 0) {
                name += *c;
            }
        }
        return name;
    });

TEST(PointsOfCheckedWordTest, AddsLetterValuesLayingBonusAndLengthBonus) {
    EXPECT_EQ(PointsOfCheckedWord("CAT"), 5);           // 3 + 1 + 1
    EXPECT_EQ(PointsOfCheckedWord("BREAD"), 8 + 3 + 3); // five cards: 3 laid, 3 for length
    EXPECT_EQ(PointsOfCheckedWord("ANAGRAM"), 10 + 10 + 10);
}

} // namespace
} // namespace lexabit
