#include "game/Dictionary.h"

#include "TempProgramFolder.h"
#include "game/WordListScan.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace lexabit {
namespace {

using testing::TempProgramFolder;

class DictionaryTest : public ::testing::Test {
protected:
    WordLookup Check(const std::string& list, const std::string& word) {
        folder.WriteWordList(list);
        return dictionary.CheckWord(word);
    }

    TempProgramFolder folder;
    Dictionary dictionary{folder};
};

TEST_F(DictionaryTest, TheListLiesInTheDictionaryFolderBesideTheProgram) {
    EXPECT_EQ(dictionary.WordListPath(), folder.Path() / "dictionary" / "dictionary.txt");
}

TEST_F(DictionaryTest, EntriesInAnyCaseMatchTheUpperCaseWord) {
    const std::string list = "dog\r\nCat\r\nhOrSe\r\nEMU\r\n";
    EXPECT_EQ(Check(list, "CAT"), WordLookup::Found);
    EXPECT_EQ(Check(list, "HORSE"), WordLookup::Found);
    EXPECT_EQ(Check(list, "EMU"), WordLookup::Found);
    EXPECT_EQ(Check(list, "DOG"), WordLookup::Found);
}

TEST_F(DictionaryTest, ALowerCaseWordNeverMatches) {
    EXPECT_EQ(Check("cat\r\nCAT\r\n", "cat"), WordLookup::NotFound);
    EXPECT_EQ(Check("cat\r\nCAT\r\n", "Cat"), WordLookup::NotFound);
}

TEST_F(DictionaryTest, OnlyWholeEntriesMatch) {
    const std::string list = "cats\r\nscat\r\nca\r\n";
    EXPECT_EQ(Check(list, "CAT"), WordLookup::NotFound);
    EXPECT_EQ(Check(list, "AT"), WordLookup::NotFound);
    EXPECT_EQ(Check(list, "CA"), WordLookup::Found);
}

TEST_F(DictionaryTest, EveryLineEndEndsAnEntry) {
    EXPECT_EQ(Check("dog\ncat\nemu", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("dog\rcat\remu", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("dog\r\n\r\ncat", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("dog\r\ncat", "CAT"), WordLookup::Found); // no line end after the last
}

TEST_F(DictionaryTest, EachCommaSeparatedFieldIsAnEntry) {
    EXPECT_EQ(Check("dog,cat\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("dog,cat\r\n", "DOG"), WordLookup::Found);
    EXPECT_EQ(Check("dog,cat\r\n", "DOG,CAT"), WordLookup::NotFound);
    EXPECT_EQ(Check("dog,,cat,\r\n", "CAT"), WordLookup::Found);
}

TEST_F(DictionaryTest, BlanksAroundAFieldAndAByteOrderMarkAreNoPartOfAnEntry) {
    EXPECT_EQ(Check("dog,  cat\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check(" \tcat\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("cat \r\ndog", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("cat\t ,dog\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("c at\r\n", "CAT"), WordLookup::NotFound);
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    EXPECT_EQ(Check(byteOrderMark + "cat\r\ndog\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check(byteOrderMark, "CAT"), WordLookup::NotFound);
}

TEST_F(DictionaryTest, AQuotedEntryIsReadWithoutItsQuotes) {
    EXPECT_EQ(Check("\"cat\"\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("dog, \"cat\"\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("\"cat\" ,dog\r\n", "DOG"), WordLookup::Found);
}

TEST_F(DictionaryTest, ACommaInsideQuotesBelongsToTheEntry) {
    const std::string list = "\"dog,cat\"\r\n";
    EXPECT_EQ(Check(list, "CAT"), WordLookup::NotFound);
    EXPECT_EQ(Check(list, "DOG"), WordLookup::NotFound);
    EXPECT_EQ(Check(list, "DOG,CAT"), WordLookup::Found);
}

TEST_F(DictionaryTest, AnEmptyListOrAMissingWordIsNotFound) {
    EXPECT_EQ(Check("", "CAT"), WordLookup::NotFound);
    EXPECT_EQ(Check("dog\r\nemu\r\n", "CAT"), WordLookup::NotFound);
    EXPECT_EQ(Check("dog\r\n\r\n", ""), WordLookup::NotFound);
}

TEST_F(DictionaryTest, EveryCallReadsTheListAfresh) {
    EXPECT_EQ(Check("cat\r\n", "CAT"), WordLookup::Found);
    EXPECT_EQ(Check("dog\r\n", "CAT"), WordLookup::NotFound);
    EXPECT_EQ(Check("cat\r\n", "CAT"), WordLookup::Found);
    // Closed after the call: the file can be removed and the next call sees that.
    std::filesystem::remove(folder.WordListFile());
    EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Unreadable);
}

TEST_F(DictionaryTest, AListThatCannotBeOpenedOrReadIsReportedAsSuch) {
    EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Unreadable); // never written
    std::filesystem::create_directory(folder.WordListFile());       // a folder in its place
    EXPECT_EQ(dictionary.CheckWord("CAT"), WordLookup::Unreadable);
    EXPECT_EQ(dictionary.CheckWord(""), WordLookup::Unreadable);
}

TEST_F(DictionaryTest, TheWordIsFoundWhereverTheBlocksOfTheFileEnd) {
    std::string list;
    for (int i = 0; i < 40; ++i) {
        list += "word" + std::to_string(i) + "\r\n";
    }
    list += "TaRgEt\r\n\"quoted, Target\"\r\ntail";
    folder.WriteWordList(list);
    for (const std::size_t block : {1, 2, 3, 5, 8, 13, 16, 17, 24, 64, 4096}) {
        SCOPED_TRACE(block);
        const auto file = folder.WordListFile();
        EXPECT_EQ(ScanWordList(file, "TARGET", block), WordLookup::Found);
        EXPECT_EQ(ScanWordList(file, "QUOTED, TARGET", block), WordLookup::Found);
        EXPECT_EQ(ScanWordList(file, "TAIL", block), WordLookup::Found);
        EXPECT_EQ(ScanWordList(file, "WORD0", block), WordLookup::Found);
        EXPECT_EQ(ScanWordList(file, "ARGET", block), WordLookup::NotFound);
        EXPECT_EQ(ScanWordList(file, "WORD40", block), WordLookup::NotFound);
    }
}

} // namespace
} // namespace lexabit
