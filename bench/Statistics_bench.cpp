// Times loading the statistics file and counting a finished game into it (read afresh
// under the high scores' lock, then written whole), on a file of a long-played game.
#include "WordListTiming.h"
#include "game/files/StatisticsFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

using bench::Spread;
using bench::SpreadOf;
using bench::ThreadMilliseconds;

constexpr int Runs = 200;
constexpr double LimitMilliseconds = 5;

bool Time(const char* what, const std::function<bool()>& work) {
    std::vector<double> wall;
    std::vector<double> processor;
    for (int run = 0; run < Runs; ++run) {
        const double cpuStart = ThreadMilliseconds();
        const auto start = std::chrono::steady_clock::now();
        if (!work()) {
            std::printf("%s failed\n", what);
            return false;
        }
        const auto stop = std::chrono::steady_clock::now();
        processor.push_back(ThreadMilliseconds() - cpuStart);
        wall.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    const Spread byWall = SpreadOf(wall);
    const Spread byProcessor = SpreadOf(processor);
    std::printf("%-6s wall: median %.3f ms, worst %.3f ms;  processor: median %.3f ms, worst "
                "%.3f ms  (%d runs, limit %.0f ms)\n",
                what, byWall.median, byWall.worst, byProcessor.median, byProcessor.worst, Runs,
                LimitMilliseconds);
    return byWall.median <= LimitMilliseconds;
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "lexabit-statistics-bench";
    fs::remove_all(folder);
    const lexabit::StatisticsFile file(folder / "highscore/statistics.txt",
                                       folder / "highscore/highscore.dat");
    lexabit::FinishedGameSummary game{.Score = 87,
                                      .Words = 24,
                                      .BestWord = "QUIZZED",
                                      .BestWordPoints = 41,
                                      .LongestWord = "QUIZZED",
                                      .PlayingSeconds = 900,
                                      .PackUsedUp = true};
    for (const lexabit::Level level :
         {lexabit::Level::Hard, lexabit::Level::Easy, lexabit::Level::VeryEasy}) {
        game.GameLevel = level;
        file.Record(game); // every level filled, as after years of play
    }
    const bool quick = Time("load", [&] { return file.Load().Outcome.Ok; }) &&
                       Time("save", [&] { return file.Record(game).Outcome.Ok; });
    // What the disk alone takes to flush a file of that size and its folder, for comparison.
    const std::string text = lexabit::StatisticsText(file.Load().Statistics);
    Time("flush", [&] { return lexabit::WriteFileAtomically(folder / "flush.txt", text).Ok; });
    fs::remove_all(folder);
    return quick ? EXIT_SUCCESS : EXIT_FAILURE;
}
