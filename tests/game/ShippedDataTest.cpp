#include "TempFolder.h"
#include "game/files/Sounds.h"
#include "game/model/Texts.h"
#include "game/words/Dictionary.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace lexabit {
namespace {

using std::chrono::milliseconds;

class ShippedFolder final : public ProgramFolder {
public:
    std::filesystem::path Path() const override {
        return std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";
    }
};

TEST(ShippedData, TheWordListHelpAndSoundsLoad) {
    const ShippedFolder folder;
    const Dictionary dictionary(folder);
    EXPECT_GT(std::ranges::count(testing::ReadBytes(dictionary.WordListPath()), '\n'), 100'000);
    EXPECT_EQ(dictionary.CheckWord("QUIZ"), WordLookup::Found);
    EXPECT_EQ(dictionary.CheckWord("KB"), WordLookup::NotFound);
    EXPECT_TRUE(std::filesystem::is_regular_file(product::HelpFilePath(folder.Path())));
    // Every card dealt onto a column waits for InitAnimation, five of them after each word.
    const std::pair<const char*, int> longest[] = {{"DrawCard", 450},     {"DrawStack", 450},
                                                   {"InitAnimation", 60}, {"Stack", 450},
                                                   {"Shuffle", 450},      {"Applause", 3000}};
    for (const auto& [name, most] : longest) {
        const auto duration = WavFileDuration(folder.Path() / FindGameSound(name)->File);
        ASSERT_TRUE(duration.has_value()) << name;
        EXPECT_GE(*duration, milliseconds(30)) << name;
        EXPECT_LE(*duration, milliseconds(most)) << name;
    }
}

} // namespace
} // namespace lexabit
