#include "game/model/Ports.h"
#include "game/words/Dictionary.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace lexabit {
namespace {

const std::filesystem::path SourceDataFolder = std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";

class SourceDataFolderAsProgram final : public ProgramFolder {
public:
    std::filesystem::path Path() const override { return SourceDataFolder; }
};

std::string ShippedBytes() {
    std::ifstream in(SourceDataFolder / "dictionary" / "dictionary.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> LinesEndedByCrLf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line has no CR LF";
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool IsPlainWord(const std::string& line) {
    return line.size() >= 2 && line.size() <= 15 &&
           std::ranges::all_of(line, [](char c) { return c >= 'a' && c <= 'z'; });
}

TEST(ShippedWordList, HoldsSortedDistinctLowerCaseWordsOfTwoToFifteenLetters) {
    const std::vector<std::string> lines = LinesEndedByCrLf(ShippedBytes());
    ASSERT_GT(lines.size(), 100'000U);
    ASSERT_LT(lines.size(), 130'000U);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(IsPlainWord(lines[i])) << "line " << i + 1 << ": " << lines[i];
        if (i > 0) {
            ASSERT_LT(lines[i - 1], lines[i]) << "line " << i + 1;
        }
    }
}

TEST(ShippedWordList, AcceptsEverydayWords) {
    const SourceDataFolderAsProgram folder;
    const Dictionary dictionary(folder);
    for (const char* word : {"CAT", "QUIZ", "JO", "QI", "XU", "AARDVARK", "ZYMURGY"}) {
        EXPECT_EQ(dictionary.CheckWord(word), WordLookup::Found) << word;
    }
    EXPECT_EQ(dictionary.CheckWord("ZZXQ"), WordLookup::NotFound);
}

TEST(ShippedWordList, LeavesOutLetterAbbreviationsAndDeniedWords) {
    const std::vector<std::string> lines = LinesEndedByCrLf(ShippedBytes());
    const std::set<std::string> words(lines.begin(), lines.end());
    for (const char* abbreviation : {"cs", "gs", "ks", "ls", "ms", "rs", "ts", "ss", "ps", "kb",
                                     "mb", "mf", "lm", "ln", "lx", "csc", "csch", "dkl", "hhd"}) {
        EXPECT_FALSE(words.contains(abbreviation)) << abbreviation;
    }
    std::ifstream deny(std::filesystem::path(LEXABIT_SOURCE_DIR) / "scripts" /
                       "dictionary-deny.txt");
    ASSERT_TRUE(deny.is_open());
    int denied = 0;
    for (std::string line; std::getline(deny, line);) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        ++denied;
        EXPECT_FALSE(words.contains(line)) << line;
    }
    EXPECT_GT(denied, 0);
}

TEST(ShippedWordList, ShipsWithTheWordListsCopyrightNotice) {
    std::ifstream in(SourceDataFolder / "dictionary" / "COPYING-SCOWL.txt");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("Kevin Atkinson"), std::string::npos);
}

} // namespace
} // namespace lexabit
