#include "TempFolder.h"
#include "game/model/Texts.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace lexabit {
namespace {

const std::filesystem::path ShippedProgramFolder =
    std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";

std::vector<std::string> Captures(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

TEST(HelpFiles, HelpOpensAtItsContentsAndEveryTopicLinkHasItsAnchor) {
    const auto help = product::HelpFilePath(ShippedProgramFolder);
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
    const auto page = product::WebPagePath(ShippedProgramFolder);
    ASSERT_TRUE(std::filesystem::is_regular_file(page)) << page;
    const std::string text = testing::ReadBytes(page);
    EXPECT_NE(text.find("mailto:" + std::string(product::ContactEmail)), std::string::npos);
    EXPECT_NE(text.find(product::NameAndVersion), std::string::npos);
    EXPECT_NE(text.find(product::Publisher), std::string::npos);
}

} // namespace
} // namespace lexabit
