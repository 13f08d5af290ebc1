#pragma once

#include "MotionFakes.h"
#include "TestTable.h"

#include <gtest/gtest.h>
#include <initializer_list>
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
    void ExpectTag(int index, CardTag tag) {
        EXPECT_EQ(state().Card(index).Tag, tag) << "card " << index;
    }
    // The cards lie fanned down the column from its top, 30 pixels apart.
    void ExpectFanned(int column, std::initializer_list<int> cards) {
        float top = Top;
        for (const int index : cards) {
            ExpectAt(index, Column(column), top);
            top += 30;
        }
    }
    static float Column(int column) { return TestTable::ColumnLeft(column); }
    static constexpr float Top = TestTable::ColumnTop;

    TestTable table;
    GlidingEffects effects;
};

} // namespace lexabit::testing
