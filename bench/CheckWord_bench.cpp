// Times the word check's look-up in the shipped word list for words it does not hold,
// which cost a whole pass over the file.
#include "game/Dictionary.h"
#include "game/Ports.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class SourceDataFolder final : public lexabit::ProgramFolder {
public:
    std::filesystem::path Path() const override {
        return std::filesystem::path(LEXABIT_SOURCE_DIR) / "data";
    }
};

constexpr int Runs = 200;

bool TimeMisses(const lexabit::Dictionary& dictionary, const std::string& word) {
    std::vector<double> milliseconds;
    milliseconds.reserve(Runs);
    for (int run = 0; run < Runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const lexabit::WordLookup answer = dictionary.CheckWord(word);
        const auto stop = std::chrono::steady_clock::now();
        if (answer != lexabit::WordLookup::NotFound) {
            std::printf("%-16s unexpected answer %d\n", word.c_str(), static_cast<int>(answer));
            return false;
        }
        milliseconds.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    // The worst run on a busy machine mostly measures the scheduler; the 99th
    // percentile shows whether it stood alone.
    std::printf("%-16s median %.3f ms  99th %.3f ms  worst %.3f ms  (%d runs)\n", word.c_str(),
                milliseconds[milliseconds.size() / 2], milliseconds[milliseconds.size() * 99 / 100],
                milliseconds.back(), Runs);
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
