#include "game/words/Dictionary.h"

#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using testing::TempProgramFolder;

TEST(Dictionary, FindsWholeEntriesInAnyCaseWhateverSeparatesThemOrWhereBlocksEnd) {
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

    std::string list;
    for (int i = 0; i < 40; ++i) {
        list += "word" + std::to_string(i) + "\r\n";
    }
    folder.WriteWordList(list + "TaRgEt\r\n\"quoted, Target\"\r\ntail");
    for (const std::size_t block : {1, 2, 3, 5, 8, 13, 4096}) {
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

} // namespace
} // namespace lexabit
