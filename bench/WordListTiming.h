#pragma once

// What the word-list benchmarks share: the shipped data folder of the source tree, and
// timing by this thread's processor time.
#include "game/model/Ports.h"

#include <algorithm>
#include <filesystem>
#include <time.h>
#include <vector>

namespace bench {

class SourceDataFolder final : public lexabit::ProgramFolder {
public:
    std::filesystem::path Path() const override {
        return std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";
    }
};

// Processor time of this thread: unlike the wall clock it leaves out the time the
// scheduler gave to other programs, which dominates the worst run on a busy machine.
inline double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Spread {
    double median;
    double worst;
};

inline Spread SpreadOf(std::vector<double> milliseconds) {
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds[milliseconds.size() / 2], milliseconds.back()};
}

} // namespace bench
