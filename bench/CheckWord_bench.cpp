// Times the word check's look-up in the shipped word list for words it does not hold,
// which cost a whole pass over the file.
#include "WordListTiming.h"
#include "game/model/Ports.h"
#include "game/words/Dictionary.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
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

bool TimeMisses(const lexabit::Dictionary& dictionary, const std::string& word) {
    std::vector<double> wall;
    std::vector<double> processor;
    for (int run = 0; run < Runs; ++run) {
        const double cpuStart = ThreadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        const lexabit::WordLookup answer = dictionary.CheckWord(word);
        const auto stop = std::chrono::steady_clock::now();
        processor.push_back(ThreadMilliseconds() - cpuStart);
        if (answer != lexabit::WordLookup::NotFound) {
            std::printf("%-16s unexpected answer %d\n", word.c_str(), static_cast<int>(answer));
            return false;
        }
        wall.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    const Spread byWall = SpreadOf(wall);
    const Spread byProcessor = SpreadOf(processor);
    std::printf("%-16s wall: median %.3f ms, worst %.3f ms;  processor: median %.3f ms, worst "
                "%.3f ms  (%d runs)\n",
                word.c_str(), byWall.median, byWall.worst, byProcessor.median, byProcessor.worst,
                Runs);
    return true;
}

} // namespace

int main() {
    const SourceDataFolder folder;
    const lexabit::Dictionary dictionary(folder);
    std::printf("word list: %s (%ju bytes)\n", dictionary.WordListPath().c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(dictionary.WordListPath())));
    bool ok = true;
    // A made-up word, a plausible miss, and short misses that occur inside many words.
    for (const char* word : {"ZZXQ", "TEAE", "QUIZZE", "SE", "ING", "ABCDEFGHIJKLMNO"}) {
        ok = TimeMisses(dictionary, word) && ok;
    }
    return ok ? 0 : 1;
}
