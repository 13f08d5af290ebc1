#include "ScoreEntryPrinting.h"
#include "game/files/ScoreFile.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(ScoreEntryText, PointsArePaddedToThreeCharactersAndLevelsNamed) {
    const std::pair<int, const char*> points[] = {{7, "  7"},   {0, "  0"},     {42, " 42"},
                                                  {999, "999"}, {1234, "1234"}, {-5, " -5"}};
    for (const auto& [value, text] : points) {
        EXPECT_EQ(PointsText(value), text);
    }
    EXPECT_EQ(PadPoints(""), "   ");
    const std::pair<int, const char*> levels[] = {
        {1, "Hard"}, {2, "Easy"}, {3, "Very Easy"}, {0, ""}, {4, ""}};
    for (const auto& [level, name] : levels) {
        EXPECT_EQ(DifficultyText(level), name);
    }
}

TEST(ScoreEntryText, AnEntryHoldsTheFinishedGameWithTheNameOnOneLine) {
    const FinishedGame game{.PlayerName = "Ann\r\nMarie\t",
                            .PlayingTime = " 0: 3: 5",
                            .WordCount = 12,
                            .Level = 2,
                            .Rating = "Good"};
    const ScoreEntry expected{"AnnMarie", " 87", " 0: 3: 5", "12", "Easy", "Good"};
    EXPECT_EQ(MakeScoreEntry(87, game), expected);
}

ScoreEntry WithPoints(std::string points, std::string name) {
    ScoreEntry entry;
    entry.Name = std::move(name);
    entry.Points = std::move(points);
    return entry;
}

std::vector<std::string> Names(const ScoreTable& table) {
    std::vector<std::string> names;
    for (const auto& entry : table) {
        names.push_back(entry.Name);
    }
    return names;
}

// Points compare as numbers; entries without one go below, in their order.
TEST(ScoreTableOrder, HigherPointsComeFirstAndUnscoredEntriesLast) {
    ScoreTable table{WithPoints("  7", "7"),     WithPoints("   ", "blank"),
                     WithPoints("1234", "1234"), WithPoints(" -5", "-5"),
                     WithPoints("x", "letter"),  WithPoints("999", "999"),
                     WithPoints(" 80", "80")};
    SortScoreTable(table);
    EXPECT_EQ(Names(table),
              (std::vector<std::string>{"1234", "999", "80", "7", "-5", "blank", "letter"}));
}

TEST(ScoreTableOrder, ANewEntryGoesBelowOlderEntriesWithTheSamePoints) {
    ScoreTable table{WithPoints(" 90", "first"), WithPoints(" 50", "first 50"),
                     WithPoints(" 50", "second"), WithPoints(" 10", "last")};
    InsertScoreEntry(table, WithPoints(" 50", "new"));
    EXPECT_EQ(Names(table),
              (std::vector<std::string>{"first", "first 50", "second", "new", "last"}));
}

} // namespace
} // namespace lexabit
