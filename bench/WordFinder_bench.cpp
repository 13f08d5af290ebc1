// Times finding the best words that fourteen face-up cards can spell in the shipped word
// list: the missed words at a game's end and the test for a stuck game each cost one such
// pass; a hint reads the common words first, then the word list.
#include "WordListTiming.h"
#include "game/model/Alphabet.h"
#include "game/model/Ports.h"
#include "game/words/Dictionary.h"
#include "game/words/WordFinder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <time.h>
#include <vector>

namespace {

using bench::SourceDataFolder;
using bench::Spread;
using bench::SpreadOf;
using bench::ThreadMilliseconds;

constexpr int Runs = 200;
constexpr std::size_t Shown = 10;

lexabit::LetterTally TallyOf(const std::string& cards) {
    lexabit::LetterTally tally{};
    for (const char letter : cards) {
        ++tally[static_cast<std::size_t>(letter - 'A')];
    }
    return tally;
}

template <class Search>
bool TimeCards(const char* what, const std::string& cards, const Search& search) {
    const lexabit::LetterTally tally = TallyOf(cards);
    std::vector<double> wall;
    std::vector<double> processor;
    lexabit::WordSearch last;
    for (int run = 0; run < Runs; ++run) {
        const double cpuStart = ThreadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        last = search(tally);
        const auto stop = std::chrono::steady_clock::now();
        processor.push_back(ThreadMilliseconds() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    if (!last.Problem.empty()) {
        std::printf("%s\n", last.Problem.c_str());
        return false;
    }
    const Spread byWall = SpreadOf(wall);
    const Spread byProcessor = SpreadOf(processor);
    std::printf("%-6s %-15s wall: median %.3f ms, worst %.3f ms;  processor: median %.3f ms, worst "
                "%.3f ms  (%d runs); best: %s %d\n",
                what, cards.c_str(), byWall.median, byWall.worst, byProcessor.median,
                byProcessor.worst, Runs, last.Words.empty() ? "-" : last.Words.front().Word.c_str(),
                last.Words.empty() ? 0 : last.Words.front().Points);
    return true;
}

} // namespace

int main() {
    const SourceDataFolder folder;
    const lexabit::Dictionary dictionary(folder);
    bool ok = true;
    // Fourteen cards as a game lays them, a table rich in common letters, and a poor one.
    for (const char* cards : {"AEIOURSTLNDCGP", "EEEAAIIOOSSTTR", "VQXZJKWYBFHMPC", "V"}) {
        ok = TimeCards("words", cards,
                       [&](const lexabit::LetterTally& tally) {
                           return lexabit::FindBestWords(dictionary, tally, Shown);
                       }) &&
             ok;
        // Two words: the best may be the word already laid.
        ok = TimeCards("hint", cards,
                       [&](const lexabit::LetterTally& tally) {
                           return lexabit::BestWordsToHint(dictionary, tally, 2);
                       }) &&
             ok;
    }
    return ok ? 0 : 1;
}
