#include "DragSteps.h"
#include "MotionFakes.h"
#include "TestTable.h"
#include "game/play/CardDrop.h"

#include <gtest/gtest.h>
#include <optional>

namespace lexabit {
namespace {

using testing::GlidingEffects;
using testing::PickUpAndMove;
using testing::TestTable;

// A word of three cards, 1 2 3 (C A T), in column 1 (or no word, those cards lying in
// columns 1, 6 and 7), and table cards 4 (S) in column 5 and 5 (O) in column 3.
TestTable Table(bool wordExists) {
    TestTable table("CATSO");
    if (wordExists) {
        table.MakeWord({1, 2, 3}, 1);
    } else {
        table.PutInColumn(1, 1);
        table.PutInColumn(2, 6);
        table.PutInColumn(3, 7);
    }
    table.PutInColumn(4, 5);
    table.PutInColumn(5, 3);
    return table;
}

// While a card is held, the card that would receive it is named exactly when letting go
// there places the card; where the drop would be refused, or nothing is near, none is.
TEST(DropPreview, NamesTheReceivingCardExactlyWhenTheDropWouldPlaceTheCard) {
    const auto column = TestTable::ColumnLeft;
    constexpr float top = TestTable::ColumnTop;
    constexpr int marker = 100; // a receiving number above this is that column's marker
    struct Case {
        const char* what;
        bool wordExists;
        int dragged;
        float left;
        float top;
        std::optional<int> receiving;
    };
    const Case cases[] = {
        {"table card on the word joins its end", true, 5, column(1) + 5, top + 35, 2},
        {"table card on a table card while a word exists", true, 5, column(5) + 4, top, {}},
        {"table card on a table card starts a word", false, 5, column(5) + 4, top, 4},
        {"table card into an empty column", true, 5, column(6) - 8, top + 8, marker + 6},
        {"table card with nothing near", true, 5, column(4) + 50, top + 200, {}},
        {"whole word onto a table card", true, 1, column(5) + 5, top + 20, 4},
        {"last card of a long word onto a table card", true, 3, column(5) + 7, top + 7, {}},
        {"last card into another column", true, 3, column(7) + 1, top - 1, marker + 7},
        {"word near the pack", true, 1, TestTable::PackLeft + 3, TestTable::PackTop, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestTable table = Table(c.wordExists);
        GameState& state = table.state;
        GlidingEffects effects(state);
        std::optional<int> expected = c.receiving;
        if (expected && *expected > marker) {
            expected = table.Marker(*expected - marker);
        }

        PickUpAndMove(state, effects, c.dragged, c.left, c.top);
        EXPECT_EQ(ReceivingCard(state, c.dragged), expected);

        Card_MouseUp(state, effects, c.dragged);
        EXPECT_EQ(effects.glides.empty(), expected.has_value()) << "the drop agrees";
        EXPECT_EQ(ReceivingCard(state, c.dragged), std::nullopt) << "nothing is held any more";
    }
}

} // namespace
} // namespace lexabit
