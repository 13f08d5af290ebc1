#include "game/files/KeptGame.h"

#include "TempFolder.h"
#include "game/files/FileRead.h"
#include "game/play/Deal.h"
#include "game/play/GameRound.h"

#include <gtest/gtest.h>

namespace lexabit {
namespace {

const GameTime LeftAt{std::chrono::seconds(1'800'000'000)};

// A game under way: a used card, a word of two at a fractional place, a table card raised
// over the rest, a word found, a hint taken, and clocks 25 and 40 seconds into their minutes.
GameState GameUnderWay() {
    GameState state;
    MersenneRandom random;
    ResetGameVariables(state, StandardLetterCounts, LeftAt);
    DealCards(state, StandardLetterCounts, random);
    const auto take = [&state](int index, CardTag tag, float top) {
        state.Card(index) = {tag, state.Card(index).Letter, state.Card(index).Value, 3, 10.5F,
                             top, tag != CardTag::Used};
    };
    take(1, CardTag::Used, 0);
    take(2, CardTag::Word, 200.25F);
    take(3, CardTag::Word, 230.25F);
    take(4, CardTag::Table, 90);
    state.WordCards.Add(2);
    state.WordCards.Add(3);
    state.RaiseCard(4);
    state.TotalScore = 17;
    state.WordsFound = {{"QUIZ", " 22 + 0"}};
    state.Shown = {"AB", " 4 Points"};
    state.Piles.DiscardPile = true;
    state.Deal = {4711, true, StandardLetterCounts};
    state.HintCost = 3;
    state.HintCostTaken = 5;
    state.HintsCharged = {{"AB", {2, 3}}};
    state.Clocks = {
        1, LeftAt - std::chrono::seconds(40), LeftAt - std::chrono::seconds(25), 7, 1, "1:07:25"};
    return state;
}

TEST(KeptGame, ComesBackAsItWasLeftWithItsClocksGoingOnFromWhereTheyStood) {
    const GameState left = GameUnderWay();
    const GameTime later = LeftAt + std::chrono::hours(30);
    const KeptGameRead read = ParseKeptGame(FormatKeptGame(left, LeftAt), later);
    ASSERT_TRUE(read.Game) << read.Problem;
    const GameState& back = *read.Game;
    // Written again as much later as it was read, it says the same: every card, list, text
    // and count, and the seconds gone of both clocks' running minutes.
    EXPECT_EQ(FormatKeptGame(back, later), FormatKeptGame(left, LeftAt));
    EXPECT_EQ(std::tuple(back.Card(3).Top, back.StackingOrder().back(), back.HintCostTaken,
                         later - back.Clocks.MinuteStart),
              std::tuple(230.25F, 4, std::optional(5), std::chrono::seconds(25)));
}

// Card 2 with a letter of other points than the card's.
std::string OtherLetterOnCard2(std::string text) {
    const std::size_t letter = text.find("card 2 3 ") + 9;
    text[letter] = LetterValue(text[letter]) == 10 ? 'A' : 'Q';
    return text;
}

TEST(KeptGame, AFileThatCannotBeResumedSaysWhyAndIsSetAsideUnharmed) {
    const std::string good = FormatKeptGame(GameUnderWay(), LeftAt);
    const auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"another program's file", "[Settings]\r\nlevel=2\r\n"},
        {"a newer version", replaced("version 1", "version 2")},
        {"cut short", good.substr(0, good.size() / 2)},
        {"a card twice in the pack", replaced("\r\npack ", "\r\npack 1 ")},
        {"a word of one card", replaced("\r\nword 2 3", "\r\nword 2")},
        {"a letter worth other points", OtherLetterOnCard2(good)},
        {"a card twice", replaced("\r\ncard 5 ", "\r\ncard 6 ")},
        {"no number", replaced("score 17", "score lots")},
        {"a line it does not know", replaced("\r\nend", "\r\nbonus 5\r\nend")},
    };
    for (const auto& [what, text] : damaged) {
        EXPECT_FALSE(ParseKeptGame(text, LeftAt).Problem.empty()) << what;
    }

    const testing::TempFolder folder;
    const KeptGameFile file(folder / "KeptGame.txt");
    ASSERT_TRUE(WriteFileAtomically(file.Path(), damaged[0].second).Ok);
    ASSERT_TRUE(WriteFileAtomically(folder / "KeptGame.txt.damaged", "older").Ok);
    EXPECT_EQ(file.SetAside(), folder / "KeptGame.txt.damaged-2");
    EXPECT_EQ(ReadFileStart(folder / "KeptGame.txt.damaged-2", 100).Bytes, damaged[0].second);
    EXPECT_FALSE(file.Read(LeftAt)); // nothing kept any more
}

} // namespace
} // namespace lexabit
