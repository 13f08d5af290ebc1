#pragma once

#include "game/model/Alphabet.h"
#include "game/model/GameState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexabit::testing {

// A game laid by hand: a letter card per letter given, all in the pack, markers 103 apart.
class TestTable {
public:
    static constexpr float PackLeft = 20;
    static constexpr float PackTop = 20;
    static constexpr float ColumnTop = 250;
    static constexpr float UsedLeft = -2000; // where used cards are parked, off the board
    static float ColumnLeft(int column) { return 100.0F + static_cast<float>((column - 1) * 103); }

    explicit TestTable(std::string_view letters) {
        state.CardsTotal = static_cast<std::int16_t>(letters.size());
        for (int i = 1; i <= state.CardsTotal; ++i) {
            state.CreateCard(i);
            SetLetter(i, letters[static_cast<std::size_t>(i - 1)]);
            CardRecord& card = state.Card(i);
            card.Left = PackLeft;
            card.Top = PackTop;
            state.Pack.Add(i);
        }
        for (int column = 1; column <= 7; ++column) {
            state.CreateCard(Marker(column));
            CardRecord& marker = state.Card(Marker(column));
            marker.Tag = CardTag::Marker;
            marker.Left = ColumnLeft(column);
            marker.Top = ColumnTop;
        }
    }

    int Marker(int column) const { return state.MarkerIndex(column); }

    void SetLetter(int index, char letter) {
        CardRecord& card = state.Card(index);
        card.Letter = letter;
        card.Value = LetterValue(letter);
    }

    CardRecord& PutOnTable(int index, float left, float top) {
        CardRecord& card = state.Card(index);
        card.Tag = CardTag::Table;
        card.Visible = true;
        card.Left = left;
        card.Top = top;
        return card;
    }
    CardRecord& PutInColumn(int index, int column) {
        return PutOnTable(index, ColumnLeft(column), ColumnTop);
    }
    // Lays the cards as the word, fanned down from the top of the column.
    void MakeWord(const std::vector<int>& cards, int column) {
        float top = ColumnTop;
        for (const int index : cards) {
            PutOnTable(index, ColumnLeft(column), top).Tag = CardTag::Word;
            state.WordCards.Add(index);
            top += 30;
        }
    }
    void MarkUsed(int index) {
        CardRecord& card = state.Card(index);
        card.Tag = CardTag::Used;
        card.Left = UsedLeft;
        card.Top = UsedLeft;
    }

    GameState state;
};

} // namespace lexabit::testing
