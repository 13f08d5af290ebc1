#include "ScoreEntryPrinting.h"
#include "game/ScoreEntryText.h"
#include "game/ScoreTableOrder.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

TEST(ScoreEntryText, PointsArePaddedWithBlanksToThreeCharacters) {
    EXPECT_EQ(PointsText(7), "  7");
    EXPECT_EQ(PointsText(0), "  0");
    EXPECT_EQ(PointsText(42), " 42");
    EXPECT_EQ(PointsText(999), "999");
    EXPECT_EQ(PointsText(1234), "1234");
    EXPECT_EQ(PointsText(-5), " -5");
    EXPECT_EQ(PadPoints(""), "   ");
}

TEST(ScoreEntryText, DifficultyNamesTheLevel) {
    EXPECT_EQ(DifficultyText(1), "Hard");
    EXPECT_EQ(DifficultyText(2), "Easy");
    EXPECT_EQ(DifficultyText(3), "Very Easy");
    EXPECT_EQ(DifficultyText(0), "");
    EXPECT_EQ(DifficultyText(4), "");
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

ScoreEntry WithPoints(std::string points, std::string name = "") {
    return ScoreEntry{.Name = std::move(name), .Points = std::move(points)};
}

TEST(ScoreTableOrder, HigherPointsComeFirstComparedAsNumbers) {
    ScoreTable table{WithPoints("  7"), WithPoints("1234"), WithPoints(" -5"), WithPoints("999"),
                     WithPoints(" 80")};
    SortScoreTable(table);
    std::vector<std::string> points;
    for (const auto& entry : table) {
        points.push_back(entry.Points);
    }
    EXPECT_EQ(points, (std::vector<std::string>{"1234", "999", " 80", "  7", " -5"}));
}

TEST(ScoreTableOrder, EntriesWithoutANumberGoBelowScoredOnesInTheirOrder) {
    ScoreTable table{WithPoints("   ", "blank"), WithPoints("  1", "one"),
                     WithPoints("x", "letter")};
    SortScoreTable(table);
    EXPECT_EQ(table[0].Name, "one");
    EXPECT_EQ(table[1].Name, "blank");
    EXPECT_EQ(table[2].Name, "letter");
}

TEST(ScoreTableOrder, ANewEntryGoesBelowOlderEntriesWithTheSamePoints) {
    ScoreTable table{WithPoints(" 90", "first"), WithPoints(" 50", "first 50"),
                     WithPoints(" 50", "second"), WithPoints(" 10", "last")};
    InsertScoreEntry(table, WithPoints(" 50", "new"));
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table[1].Name, "first 50");
    EXPECT_EQ(table[2].Name, "second");
    EXPECT_EQ(table[3].Name, "new");
    EXPECT_EQ(table[4].Name, "last");
}

} // namespace
} // namespace lexabit
