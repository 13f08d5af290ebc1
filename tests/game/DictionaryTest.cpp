#include "game/words/Dictionary.h"

#include "TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::TempProgramFolder;

TEST(Dictionary, FindsWholeEntriesInAnyCaseWhateverSeparatesThem) {
    const std::string bom = "\xEF\xBB\xBF";
    struct Case {
        std::string list;
        std::vector<const char*> found;
        std::vector<const char*> notFound;
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
    EXPECT_EQ(dictionary.WordListPath(), folder.WordListFile());
    for (const Case& c : cases) {
        folder.WriteWordList(c.list); // every call reads the list afresh
        for (const char* word : c.found) {
            EXPECT_EQ(dictionary.CheckWord(word), WordLookup::Found) << word << " in " << c.list;
        }
        for (const char* word : c.notFound) {
            EXPECT_EQ(dictionary.CheckWord(word), WordLookup::NotFound) << word << " in " << c.list;
        }
    }
    std::filesystem::remove(folder.WordListFile()); // closed after the call
    EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Unreadable);
    std::filesystem::create_directory(folder.WordListFile()); // a folder in its place
    EXPECT_EQ(dictionary.CheckWord(""), WordLookup::Unreadable);
}

TEST(Dictionary, TheWordIsFoundWhereverTheBlocksOfTheFileEnd) {
    TempProgramFolder folder;
    std::string list;
    for (int i = 0; i < 40; ++i) {
        list += "word" + std::to_string(i) + "\r\n";
    }
    folder.WriteWordList(list + "TaRgEt\r\n\"quoted, Target\"\r\ntail");
    for (const std::size_t block : {1, 2, 3, 5, 8, 13, 16, 17, 24, 64, 4096}) {
        for (const char* word : {"TARGET", "QUOTED, TARGET", "TAIL", "WORD0"}) {
            EXPECT_EQ(ScanWordList(folder.WordListFile(), word, block), WordLookup::Found)
                << word << " in blocks of " << block;
        }
        for (const char* word : {"ARGET", "WORD40"}) {
            EXPECT_EQ(ScanWordList(folder.WordListFile(), word, block), WordLookup::NotFound)
                << word << " in blocks of " << block;
        }
    }
}

const std::filesystem::path ShippedFolder = std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ShippedWordList, HoldsSortedDistinctLowerCaseWordsLessAbbreviationsAndDeniedWords) {
    const std::string bytes = ReadText(ShippedFolder / "dictionary" / "dictionary.txt");
    ASSERT_TRUE(bytes.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
        end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
    }
    ASSERT_GT(lines.size(), 100'000U);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& word = lines[i];
        ASSERT_TRUE(word.size() >= 2 && word.size() <= 15 &&
                    std::ranges::all_of(word, [](char c) { return c >= 'a' && c <= 'z'; }))
            << "line " << i + 1 << ": " << word;
        ASSERT_TRUE(i == 0 || lines[i - 1] < word) << "line " << i + 1;
    }
    const std::set<std::string> words(lines.begin(), lines.end());
    for (const char* abbreviation : {"cs", "gs", "ks", "ms", "kb", "mb", "lx", "csc", "dkl"}) {
        EXPECT_FALSE(words.contains(abbreviation)) << abbreviation;
    }
    std::ifstream deny(std::filesystem::path(LEXABIT_SOURCE_DIR) / "scripts/dictionary-deny.txt");
    int denied = 0;
    for (std::string line; std::getline(deny, line);) {
        if (!line.empty() && line.front() != '#') {
            ++denied;
            EXPECT_FALSE(words.contains(line)) << line;
        }
    }
    EXPECT_GT(denied, 0);
    EXPECT_NE(ReadText(ShippedFolder / "dictionary" / "COPYING-SCOWL.txt").find("Kevin Atkinson"),
              std::string::npos);
}

} // namespace
} // namespace lexabit
