#pragma once

#include "MotionFakes.h"
#include "TestTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lexabit::testing {

// A table of letter cards for drop tests, with effects that really glide the cards.
class DropFixture : public ::testing::Test {
protected:
    explicit DropFixture(const std::string& letters) : table(letters), effects(table.state) {}

    GameState& state() { return table.state; }
    std::vector<int> Word() { return state().WordCards.items(); }
    void ExpectAt(int index, float left, float top) {
        EXPECT_EQ(state().Card(index).Left, left) << "card " << index;
        EXPECT_EQ(state().Card(index).Top, top) << "card " << index;
    }
    static float Column(int column) { return TestTable::ColumnLeft(column); }
    static constexpr float Top = TestTable::ColumnTop;

    TestTable table;
    GlidingEffects effects;
};

} // namespace lexabit::testing
