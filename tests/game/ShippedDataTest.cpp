// The files shipped beside the program: word list, help, web page and sounds.
#include "TempFolder.h"
#include "game/files/Sounds.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using std::chrono::milliseconds;

const std::filesystem::path ShippedFolder = std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";

std::vector<std::string> Captures(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

TEST(HelpFiles, HelpOpensAtItsContentsAndEveryTopicLinkHasItsAnchor) {
    const auto help = product::HelpFilePath(ShippedFolder);
    ASSERT_TRUE(std::filesystem::is_regular_file(help)) << help;
    const std::string text = testing::ReadBytes(help);

    const auto anchors = Captures(text, std::regex(R"re(<a name="([^"]+)")re"));
    ASSERT_FALSE(anchors.empty());
    EXPECT_EQ(anchors.front(), "contents");
    const std::set<std::string> unique(anchors.begin(), anchors.end());
    EXPECT_EQ(unique.size(), anchors.size()) << "an anchor is named twice";

    const auto links = Captures(text, std::regex(R"re(href="#([^"]+)")re"));
    EXPECT_GE(links.size(), anchors.size());
    for (const std::string& link : links) {
        EXPECT_TRUE(unique.count(link)) << "no anchor for #" << link;
    }
}

TEST(HelpFiles, WebPageBesideTheHelpGivesTheContactAddress) {
    const auto page = product::WebPagePath(ShippedFolder);
    ASSERT_TRUE(std::filesystem::is_regular_file(page)) << page;
    const std::string text = testing::ReadBytes(page);
    EXPECT_NE(text.find("mailto:" + std::string(product::ContactEmail)), std::string::npos);
    EXPECT_NE(text.find(product::NameAndVersion), std::string::npos);
    EXPECT_NE(text.find(product::Publisher), std::string::npos);
}

TEST(ShippedWordList, HoldsSortedDistinctLowerCaseWordsLessAbbreviationsAndDeniedWords) {
    const std::string bytes = testing::ReadBytes(ShippedFolder / "dictionary" / "dictionary.txt");
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
    EXPECT_NE(testing::ReadBytes(ShippedFolder / "dictionary" / "COPYING-SCOWL.txt")
                  .find("Kevin Atkinson"),
              std::string::npos);
}

TEST(GameSounds, ShippedFilesAreShortAndTheDealSoundShorterStill) {
    const std::filesystem::path folder = std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";
    for (const char* name : {"DrawCard", "DrawStack", "InitAnimation", "Stack", "Shuffle"}) {
        const auto duration = WavFileDuration(folder / FindGameSound(name)->File);
        ASSERT_TRUE(duration.has_value()) << name;
        EXPECT_GE(*duration, milliseconds(30)) << name;
        EXPECT_LT(*duration, milliseconds(450)) << name;
    }
    // Every card dealt onto a column waits for this sound, five of them after each word.
    EXPECT_LE(*WavFileDuration(folder / FindGameSound("InitAnimation")->File), milliseconds(60));
    const auto applause = WavFileDuration(folder / FindGameSound("Applause")->File);
    ASSERT_TRUE(applause.has_value());
    EXPECT_LE(*applause, milliseconds(3000));
    EXPECT_EQ(FindGameSound("InitAnimation")->Playback, SoundPlayback::Synchronous);
    EXPECT_FALSE(FindGameSound("drawcard").has_value()); // names match exactly
}

} // namespace
} // namespace lexabit
