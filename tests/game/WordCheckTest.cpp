#include "game/play/WordCheck.h"

#include "DragSteps.h"
#include "FakePorts.h"
#include "FakeWordCheckView.h"
#include "MotionFakes.h"
#include "TempProgramFolder.h"
#include "game/model/Alphabet.h"
#include "game/model/GameState.h"
#include "game/play/UndoLastMove.h"
#include "game/words/Dictionary.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexabit {
namespace {

using ::testing::ElementsAre;
using testing::FakeClock;
using testing::FakeWordCheckView;
using testing::GlidingEffects;
using testing::TempProgramFolder;

constexpr int FirstWordCard = 11;
constexpr float WordLeft = 120;
constexpr float WordTop = 200;

class WordCheckTest : public ::testing::Test {
protected:
    WordCheckTest() {
        folder.WriteWordList("cat\r\nquiz\r\nbread\r\nsquash\r\nanagram\r\njo\r\nzoo\r\n");
        state.Elements.DiscardDeck.Left = 900.4;
        state.Elements.DiscardDeck.Top = 50.6;
        state.Level = 2;
        state.WordTimerMinutes = 1;
        DealPack(20);
    }

    void DealPack(int cards) {
        state.CardsTotal = static_cast<std::int16_t>(cards);
        for (int i = 1; i <= cards; ++i) {
            state.CreateCard(i);
            state.Card(i).DataField = "E";
        }
    }

    // A table card with this letter at (left, top).
    CardRecord& PutOnTable(int index, char letter, float left, float top) {
        CardRecord& card = state.Card(index);
        card.DataField = std::string(1, letter);
        card.DataMember = std::to_string(LetterValue(card.DataField));
        card.Tag = CardTag::Table;
        card.Visible = true;
        card.Left = left;
        card.Top = top;
        return card;
    }

    // Lays the word on cards 11, 12, ...: the first at the word's place, each next one
    // 30 pixels below.
    void LayWord(const std::string& word) {
        for (std::size_t k = 0; k < word.size(); ++k) {
            const int index = FirstWordCard + static_cast<int>(k);
            PutOnTable(index, word[k], WordLeft, WordTop + 30 * static_cast<float>(k)).Tag =
                CardTag::Word;
            state.WordCards.Add(index);
        }
    }

    // Every letter card but those of the word laid has been used.
    void UseAllButTheWord() {
        for (int i = 1; i <= state.CardsTotal; ++i) {
            if (!state.WordCards.Contains(i)) {
                state.Card(i).Tag = CardTag::Used;
            }
        }
    }

    void Check() {
        WordCheck check(state, dictionary, view, effects, clock, filler);
        check.CheckWordButton_Click();
    }

    std::vector<std::string> LogFrom(const std::string& first) const {
        auto at = std::find(view.log.begin(), view.log.end(), first);
        return {at, view.log.end()};
    }

    TempProgramFolder folder;
    Dictionary dictionary{folder};
    GameState state;
    FakeWordCheckView view;
    GlidingEffects effects{state};
    FakeClock clock;
    std::vector<std::vector<CardTag>> tagsSeenByFill;
    ColumnFiller filler = [this](GameState& filled, Effects&) {
        std::vector<CardTag> tags;
        for (int i = 1; i <= filled.CardsTotal; ++i) {
            tags.push_back(filled.Card(i).Tag);
        }
        tagsSeenByFill.push_back(tags);
        view.log.emplace_back("fill");
    };
};

// --- Refusal

TEST_F(WordCheckTest, AWordNotInTheListOrAnUnreadableListRefusesTheWordAndChangesNothing) {
    const std::string refused = "That word is not in our dictionary.  Please try again.";
    struct Case {
        const char* what;
        const char* list; // none: the list cannot be read
        const char* word;
        std::string message;
    };
    const Case cases[] = {
        {"not in the list", "cat\r\n", "TAC", refused},
        {"no word", "\r\ncat\r\n", "", refused},
        {"unreadable list", nullptr, "CAT", folder.WordListFile().string()},
    };
    state.TotalScore = 40;
    for (const Case& c : cases) {
        if (c.list != nullptr) {
            folder.WriteWordList(c.list);
        } else {
            std::filesystem::remove(folder.WordListFile());
        }
        state.WordCards.Clear();
        LayWord(c.word);
        const GameState before = state;
        view.messages.clear();
        view.log.clear();
        Check();

        ASSERT_EQ(view.messages.size(), 1U) << c.what;
        EXPECT_NE(view.messages[0].text.find(c.message), std::string::npos) << c.what;
        EXPECT_EQ(view.messages[0].title, "Lexabit Solitaire");
        EXPECT_EQ(view.log.size(), 1U) << c.what; // the message and nothing else
        EXPECT_TRUE(effects.glides.empty());
        EXPECT_EQ(state.TotalScore, 40);
        EXPECT_EQ(state.WordTimerStart, before.WordTimerStart);
        EXPECT_EQ(state.WordTimerMinutes, before.WordTimerMinutes);
        EXPECT_EQ(state.WordCards, before.WordCards);
        for (int i = 1; i <= state.CardsTotal; ++i) {
            EXPECT_EQ(state.Card(i).Tag, before.Card(i).Tag) << c.what << i;
            EXPECT_EQ(state.Card(i).Top, before.Card(i).Top) << c.what << i;
        }
    }
}

// --- Scoring: one row per word length

struct ScoringRow {
    const char* word;
    const char* rowPoints;
    int gain;
};

class WordScoring : public WordCheckTest, public ::testing::WithParamInterface<ScoringRow> {};

TEST_P(WordScoring, EarnsTheLaidPointsPlusTheLengthBonus) {
    const ScoringRow row = GetParam();
    state.TotalScore = 7;
    LayWord(row.word);
    Check();

    ASSERT_EQ(view.rows.size(), 1U);
    EXPECT_EQ(view.rows[0].word, row.word);
    EXPECT_EQ(view.rows[0].points, row.rowPoints);
    EXPECT_EQ(state.TotalScore, 7 + row.gain);
    EXPECT_TRUE(view.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(ByLength, WordScoring,
                         ::testing::Values(ScoringRow{"JO", " 9", 9}, ScoringRow{"CAT", " 5", 5},
                                           ScoringRow{"QUIZ", " 22 + 2", 24},
                                           ScoringRow{"BREAD", " 11 + 3", 14},
                                           ScoringRow{"SQUASH", " 22 + 5", 27},
                                           ScoringRow{"ANAGRAM", " 20 + 10", 30}));

TEST_F(WordCheckTest, TheHintsCostIsTakenWhenTheWordIsAcceptedNotWhenRefused) {
    state.TotalScore = 7;
    state.HintCost = 4;
    LayWord("DOG");
    Check();
    EXPECT_EQ(state.HintCost, 4) << "a refused word pays nothing";
    state.WordCards.Clear();
    LayWord("CAT");
    Check();
    EXPECT_EQ(state.TotalScore, 7 + 5 - 4);
    EXPECT_EQ(state.HintCost, 0);
    EXPECT_EQ(view.panels[1], "Total Score:  8");
}

TEST_F(WordCheckTest, TheNewestWordIsTheTopRowAndTheStatusBarCountsAllRows) {
    LayWord("CAT");
    Check();
    state.WordCards.Clear();
    for (int i = FirstWordCard; i < FirstWordCard + 4; ++i) {
        state.Card(i).Tag = CardTag::Pack;
    }
    LayWord("QUIZ");
    Check();

    ASSERT_EQ(view.rows.size(), 2U);
    EXPECT_EQ(view.rows[0].word, "QUIZ");
    EXPECT_EQ(view.rows[1].word, "CAT");
    EXPECT_EQ(view.rows[1].points, " 5");
    EXPECT_EQ(view.panels[2], "Total Number of Words:  2");
    EXPECT_EQ(view.panels[1], "Total Score:  29");
    EXPECT_EQ(view.panels[4], " Number of Cards Left:  16"); // 20 cards, QUIZ used 4
}

TEST_F(WordCheckTest, AnAcceptedWordRunsItsStepsInOrder) {
    LayWord("CAT");
    Check();
    EXPECT_THAT(view.log,
                ElementsAre("row CAT", "row points 5", "clear labels", "card back on DiscardDeck",
                            "fill", "panel 4  Number of Cards Left:  17",
                            "panel 2 Total Number of Words:  1", "panel 1 Total Score:  5"));
}

TEST_F(WordCheckTest, AnAcceptedWordRestartsTheWordTimerUnlessItIsOff) {
    clock.Advance(90);
    LayWord("CAT");
    Check();
    EXPECT_EQ(state.WordTimerStart, clock.now);
    EXPECT_EQ(state.WordTimerMinutes, 2);

    state.Level = 3;
    state.WordTimerMinutes = -1;
    LayWord("JO");
    Check();
    EXPECT_EQ(state.WordTimerMinutes, -1);
}

// --- Where the cards go

class CardsLeavingTheTable : public WordCheckTest, public ::testing::WithParamInterface<int> {};

TEST_P(CardsLeavingTheTable, GatherOnTheFirstCardThenGoToTheDiscardPileOneByOne) {
    state.Level = static_cast<std::int16_t>(GetParam());
    LayWord("CAT");
    Check();

    ASSERT_EQ(effects.glides.size(), 6U);
    for (int k = 0; k < 3; ++k) {
        const auto& gather = effects.glides[static_cast<std::size_t>(k)];
        EXPECT_EQ(gather.index, FirstWordCard + k);
        EXPECT_EQ(gather.left, WordLeft);
        EXPECT_EQ(gather.top, WordTop);
        EXPECT_EQ(gather.steps, 30);
        const auto& away = effects.glides[static_cast<std::size_t>(k) + 3];
        EXPECT_EQ(away.index, FirstWordCard + k);
        EXPECT_EQ(away.left, 900);
        EXPECT_EQ(away.top, 51);
        EXPECT_EQ(away.steps, 30);
    }
    for (int i = FirstWordCard; i < FirstWordCard + 3; ++i) {
        const CardRecord& card = state.Card(i);
        EXPECT_EQ(card.Tag, CardTag::Used) << i;
        EXPECT_FALSE(card.Visible) << i;
        EXPECT_EQ(card.Left, -100) << i;
        EXPECT_EQ(card.Top, -100) << i;
    }
    EXPECT_TRUE(state.WordCards.empty());
    EXPECT_TRUE(view.IsVisible(BoardControl::DiscardDeck));
}

INSTANTIATE_TEST_SUITE_P(EasyAndVeryEasy, CardsLeavingTheTable, ::testing::Values(2, 3));

TEST_F(WordCheckTest, TheHardLevelKeepsTheLastCardOnTheFirstCardsPlace) {
    state.Level = 1;
    LayWord("BREAD");
    Check();

    EXPECT_EQ(effects.glides.size(), 5U + 4U);
    for (int i = FirstWordCard; i < FirstWordCard + 4; ++i) {
        EXPECT_EQ(state.Card(i).Tag, CardTag::Used) << i;
    }
    const CardRecord& kept = state.Card(FirstWordCard + 4);
    EXPECT_EQ(kept.Tag, CardTag::Table);
    EXPECT_TRUE(kept.Visible);
    EXPECT_EQ(kept.Left, WordLeft);
    EXPECT_EQ(kept.Top, WordTop);
    EXPECT_TRUE(state.WordCards.empty());
    EXPECT_EQ(state.WordTimerMinutes, 0);
    EXPECT_EQ(view.panels[4], " Number of Cards Left:  16");
}

TEST_F(WordCheckTest, ColumnsAreRefilledOnceTheWordsCardsAreGoneThenThePackHiddenIfEmpty) {
    LayWord("CAT");
    Check();
    ASSERT_EQ(tagsSeenByFill.size(), 1U);
    for (int i = FirstWordCard; i < FirstWordCard + 3; ++i) {
        EXPECT_EQ(tagsSeenByFill[0][static_cast<std::size_t>(i - 1)], CardTag::Used) << i;
    }
    EXPECT_TRUE(view.IsVisible(BoardControl::PackBack)); // cards were left in the pack

    filler = [](GameState& filled, Effects&) {
        for (int i = 1; i <= filled.CardsTotal; ++i) {
            if (filled.Card(i).Tag == CardTag::Pack) {
                filled.Card(i).Tag = CardTag::Table;
            }
        }
    };
    LayWord("JO");
    Check();
    EXPECT_FALSE(view.IsVisible(BoardControl::PackBack));
}

// --- The word on the table, whatever was shown or picked up before

TEST_F(WordCheckTest, OnlyTheWordLeftOnTheTableAfterAnUndoIsScored) {
    folder.WriteWordList("ye\r\nto\r\ntoe\r\n");
    // Y E laid, then taken back entirely: no word card is left, so nothing is scored.
    PutOnTable(1, 'Y', 100, 250);
    PutOnTable(2, 'E', 300, 250);
    testing::DragTo(state, effects, 2, 100, 250);
    ASSERT_EQ(state.WordCards.Count(), 2);
    UndoLastMove(state, effects);
    Check();
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].text, "That word is not in our dictionary.  Please try again.");
    EXPECT_TRUE(view.rows.empty());

    // T O E laid, then E taken back: T O is what the table holds and what is scored.
    PutOnTable(3, 'T', 500, 250);
    PutOnTable(4, 'O', 700, 250);
    PutOnTable(5, 'E', 900, 250);
    testing::DragTo(state, effects, 4, 500, 250);
    testing::DragTo(state, effects, 5, 500, 280);
    ASSERT_EQ(state.WordCards.Count(), 3);
    UndoLastMove(state, effects);
    Check();
    ASSERT_EQ(view.rows.size(), 1U);
    EXPECT_EQ(view.rows[0].word, "TO");
    EXPECT_EQ(view.rows[0].points, " 2");
    EXPECT_EQ(state.TotalScore, 2);
    EXPECT_EQ(state.Card(5).Tag, CardTag::Table);
}

TEST_F(WordCheckTest, AnAcceptedWordLeavesNoMoveToUndo) {
    folder.WriteWordList("to\r\n");
    state.Level = 1; // the word's last card stays on the table
    PutOnTable(1, 'T', 400, 250);
    PutOnTable(2, 'O', 600, 250);
    testing::DragTo(state, effects, 2, 400, 250);
    Check();
    ASSERT_EQ(state.Card(2).Tag, CardTag::Table);
    UndoLastMove(state, effects);
    EXPECT_EQ(state.Card(2).Left, 400);
    EXPECT_EQ(state.Card(2).Top, 250);
}

// --- Steps that fail

// Each addition that would overflow is left out; the check goes on.
TEST_F(WordCheckTest, AScoreThatWouldOverflowIsLeftAsItWas) {
    state.TotalScore = 32760;
    LayWord("BREAD"); // 32771 is too much; the length bonus of 3 still fits
    Check();
    EXPECT_EQ(state.TotalScore, 32763);
    EXPECT_EQ(view.rows.at(0).points, " 11 + 3");
    EXPECT_EQ(view.panels[1], "Total Score:  32763");
    EXPECT_TRUE(state.WordCards.empty());

    state.TotalScore = 32766;
    LayWord("QUIZ"); // neither 22 nor 2 fits
    Check();
    EXPECT_EQ(state.TotalScore, 32766);
}

TEST_F(WordCheckTest, AFailingRefillIsSkippedAndTheStatusBarIsStillWritten) {
    filler = [](GameState&, Effects&) { throw std::runtime_error("no columns"); };
    LayWord("CAT");
    Check();
    EXPECT_EQ(view.panels[1], "Total Score:  5");
    EXPECT_EQ(view.panels[4], " Number of Cards Left:  17");
    EXPECT_TRUE(state.WordCards.empty());
    EXPECT_EQ(state.WordTimerMinutes, 2);
}

TEST_F(WordCheckTest, AMissingWordCardIsSkippedAndTheOthersStillGo) {
    LayWord("CAT");
    state.WordCards.Clear();
    state.WordCards.Add(FirstWordCard);
    state.WordCards.Add(99); // no such card
    state.WordCards.Add(FirstWordCard + 1);
    state.WordCards.Add(FirstWordCard + 2);
    Check();
    for (int i = FirstWordCard; i < FirstWordCard + 3; ++i) {
        EXPECT_EQ(state.Card(i).Tag, CardTag::Used) << i;
    }
    EXPECT_TRUE(state.WordCards.empty());
    EXPECT_EQ(view.panels[4], " Number of Cards Left:  17");
}

// --- The last card used

class LastCardUsed : public WordCheckTest {
protected:
    LastCardUsed() {
        LayWord("CAT");
        UseAllButTheWord();
        state.TotalScore = 100;
        state.PlayerName = "Previous";
        view.onAnimation = [this] {
            for (const BoardControl control :
                 {BoardControl::DiscardDeck, BoardControl::PackBack, BoardControl::CheckWordButton,
                  BoardControl::WordList, BoardControl::Fig, BoardControl::ShuffleCards}) {
                hiddenDuringShow += view.IsVisible(control) ? 0 : 1;
            }
            nameDuringShow = state.PlayerName;
        };
        // The second pass of the event loop brings the name dialog's OK: it sets the
        // name and starts the next game.
        view.onWait = [this] {
            if (view.waits == 2) {
                state.PlayerName = "Ann";
                view.log.emplace_back("new game");
            }
            return true;
        };
    }

    int hiddenDuringShow = 0;
    std::string nameDuringShow = "unset";
};

TEST_F(LastCardUsed, OnTheEasyLevelEndsTheGameWithTheBonusAfterTheStatusBar) {
    Check();

    EXPECT_THAT(LogFrom("panel 4  Number of Cards Left:  0"),
                ElementsAre("panel 4  Number of Cards Left:  0",
                            "panel 2 Total Number of Words:  1", "panel 1 Total Score:  105",
                            "game ended", "message Game Over, you are a real Master of the game",
                            "hide DiscardDeck", "hide PackBack", "hide CheckWordButton",
                            "hide WordList", "hide Fig", "hide ShuffleCards", "animation",
                            "show PackBack", "show DiscardDeck", "show CheckWordButton",
                            "show WordList", "show ShuffleCards", "name dialog", "wait", "wait",
                            "new game"));
    EXPECT_EQ(view.messages.back().title, "Lexabit");
    EXPECT_EQ(state.TotalScore, 115);
    EXPECT_EQ(hiddenDuringShow, 6);
    EXPECT_EQ(nameDuringShow, "");
    EXPECT_EQ(state.PlayerName, "Ann");
    EXPECT_TRUE(state.WordCards.empty());
}

struct LastCardRow {
    std::int16_t level;
    std::int16_t scoreBefore;
    int scoreAfter;
    bool ends;
};

class LastCardByLevel : public LastCardUsed, public ::testing::WithParamInterface<LastCardRow> {};

TEST_P(LastCardByLevel, OnlyTheEasyLevelEarnsTheBonusAndHardNeverEnds) {
    const LastCardRow row = GetParam();
    state.Level = row.level;
    state.TotalScore = row.scoreBefore;
    Check();
    EXPECT_EQ(state.TotalScore, row.scoreAfter);
    EXPECT_EQ(view.waits > 0, row.ends);
    EXPECT_EQ(view.messages.size(), row.ends ? 1U : 0U);
    EXPECT_EQ(view.panels[4], row.ends ? " Number of Cards Left:  0" : " Number of Cards Left:  1");
}

INSTANTIATE_TEST_SUITE_P(Levels, LastCardByLevel,
                         ::testing::Values(LastCardRow{3, 100, 105, true}, // Very Easy: no bonus
                                           LastCardRow{2, 32760, 32765, true}, // would overflow
                                           LastCardRow{1, 100, 105, false}));  // Hard keeps one

TEST_F(LastCardUsed, TheWaitForANameEndsWhenTheProgramCloses) {
    view.onWait = [] { return false; };
    Check();
    EXPECT_EQ(view.waits, 1);
    EXPECT_EQ(state.PlayerName, "");
}

} // namespace
} // namespace lexabit
