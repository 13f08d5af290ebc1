#include "game/words/Dictionary.h"

#include "TempProgramFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace lexabit {
namespace {

using testing::TempProgramFolder;

TEST(Dictionary, FindsWholeEntriesInAnyCaseWhateverSeparatesThem) {
    constexpr auto Found = WordLookup::Found;
    constexpr auto NotFound = WordLookup::NotFound;
    const std::string bom = "\xEF\xBB\xBF";
    struct Case {
        std::string list;
        const char* word;
        WordLookup lookup;
    };
    const Case cases[] = {
        {"dog\r\nCat\r\nhOrSe\r\nEMU\r\n", "CAT", Found},
        {"dog\r\nCat\r\nhOrSe\r\nEMU\r\n", "HORSE", Found},
        {"dog\r\nCat\r\nhOrSe\r\nEMU\r\n", "DOG", Found},
        {"cat\r\nCAT\r\n", "cat", NotFound}, // the word asked for is in capitals
        {"cat\r\nCAT\r\n", "Cat", NotFound},
        {"cats\r\nscat\r\nca\r\n", "CAT", NotFound},
        {"cats\r\nscat\r\nca\r\n", "AT", NotFound},
        {"cats\r\nscat\r\nca\r\n", "CA", Found},
        {"dog\ncat\nemu", "CAT", Found},
        {"dog\rcat\remu", "CAT", Found},
        {"dog\r\n\r\ncat", "CAT", Found},
        {"dog\r\ncat", "CAT", Found}, // no line end after the last
        {"dog,cat\r\n", "CAT", Found},
        {"dog,cat\r\n", "DOG", Found},
        {"dog,cat\r\n", "DOG,CAT", NotFound},
        {"dog,,cat,\r\n", "CAT", Found},
        {"dog,  cat\r\n", "CAT", Found},
        {" \tcat\r\n", "CAT", Found},
        {"cat \r\ndog", "CAT", Found},
        {"cat\t ,dog\r\n", "CAT", Found},
        {"c at\r\n", "CAT", NotFound},
        {bom + "cat\r\ndog\r\n", "CAT", Found},
        {bom, "CAT", NotFound},
        {"\"cat\"\r\n", "CAT", Found},
        {"dog, \"cat\"\r\n", "CAT", Found},
        {"\"cat\" ,dog\r\n", "DOG", Found},
        {"\"dog,cat\"\r\n", "CAT", NotFound},
        {"\"dog,cat\"\r\n", "DOG,CAT", Found},
        {"", "CAT", NotFound},
        {"dog\r\n\r\n", "", NotFound},
    };
    TempProgramFolder folder;
    const Dictionary dictionary(folder);
    EXPECT_EQ(dictionary.WordListPath(), folder.Path() / "dictionary" / "dictionary.txt");
    for (const Case& c : cases) {
        folder.WriteWordList(c.list); // every call reads the list afresh
        EXPECT_EQ(dictionary.CheckWord(c.word), c.lookup) << c.word << " in " << c.list;
    }
}

TEST(Dictionary, AListThatCannotBeOpenedOrReadIsReportedAsSuch) {
    TempProgramFolder folder;
    const Dictionary dictionary(folder);
    folder.WriteWordList("cat\r\n");
    EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Found);
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
    list += "TaRgEt\r\n\"quoted, Target\"\r\ntail";
    folder.WriteWordList(list);
    const auto file = folder.WordListFile();
    for (const std::size_t block : {1, 2, 3, 5, 8, 13, 16, 17, 24, 64, 4096}) {
        SCOPED_TRACE(block);
        for (const char* word : {"TARGET", "QUOTED, TARGET", "TAIL", "WORD0"}) {
            EXPECT_EQ(ScanWordList(file, word, block), WordLookup::Found) << word;
        }
        EXPECT_EQ(ScanWordList(file, "ARGET", block), WordLookup::NotFound);
        EXPECT_EQ(ScanWordList(file, "WORD40", block), WordLookup::NotFound);
    }
}

} // namespace
} // namespace lexabit
