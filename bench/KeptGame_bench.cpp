// Times keeping a game at Exit and reading it back at the start, through the real file: a
// game of the standard 98 cards (held to 5 ms), and packs of 1274 and of 25974 cards (49 and
// 999 of each letter, the most the letters window allows), shown for scale.
#include "WordListTiming.h"
#include "game/files/KeptGame.h"
#include "game/play/GameRound.h"
#include "game/play/NumberedDeal.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using bench::Spread;
using bench::SpreadOf;

constexpr int Runs = 200;
constexpr double LimitMs = 5;

// A game with half its pack used, a word of three and twenty words found.
lexabit::GameState GameOf(const lexabit::LetterCountValues& counts) {
    lexabit::GameState state;
    lexabit::MersenneRandom random;
    const lexabit::GameTime now{std::chrono::seconds(1'800'000'000)};
    lexabit::ResetGameVariables(state, counts, now);
    lexabit::DealNumberedCards(state, counts, random, std::nullopt);
    for (int i = 1; i <= state.CardsTotal / 2; ++i) {
        state.Card(i).Tag = lexabit::CardTag::Used;
    }
    for (int i = state.CardsTotal / 2 + 1; i <= state.CardsTotal / 2 + 3; ++i) {
        state.Card(i).Tag = lexabit::CardTag::Word;
        state.WordCards.Add(i);
    }
    for (int k = 0; k < 20; ++k) {
        state.WordsFound.push_back({"QUARTZ", " 26 + 3"});
    }
    return state;
}

bool Time(const char* name, const lexabit::GameState& game, const lexabit::KeptGameFile& file) {
    const lexabit::GameTime now{std::chrono::seconds(1'800'000'100)};
    std::vector<double> saves;
    std::vector<double> loads;
    std::vector<double> formats; // the text alone, without the write and its flush to the disk
    for (int run = 0; run < Runs; ++run) {
        const auto formatStart = std::chrono::steady_clock::now();
        const std::string text = lexabit::FormatKeptGame(game, now);
        formats.push_back(std::chrono::duration<double, std::milli>(
                              std::chrono::steady_clock::now() - formatStart)
                              .count());
        const auto start = std::chrono::steady_clock::now();
        const bool kept = file.Keep(game, now).Ok;
        const auto saved = std::chrono::steady_clock::now();
        const std::optional<lexabit::KeptGameRead> read = file.Read(now);
        const auto loaded = std::chrono::steady_clock::now();
        if (!kept || !read || !read->Game) {
            std::printf("%s: the game did not come back: %s\n", name,
                        read ? read->Problem.c_str() : "no file");
            return false;
        }
        saves.push_back(std::chrono::duration<double, std::milli>(saved - start).count());
        loads.push_back(std::chrono::duration<double, std::milli>(loaded - saved).count());
    }
    const Spread save = SpreadOf(saves);
    const Spread load = SpreadOf(loads);
    std::printf("%-28s %7ju bytes  save: median %.3f ms, worst %.3f ms;  load: median %.3f ms, "
                "worst %.3f ms;  text alone: median %.3f ms  (%d runs)\n",
                name, static_cast<std::uintmax_t>(std::filesystem::file_size(file.Path())),
                save.median, save.worst, load.median, load.worst, SpreadOf(formats).median, Runs);
    return save.median <= LimitMs && load.median <= LimitMs;
}

} // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "lexabit-kept-game-bench";
    std::filesystem::create_directories(folder);
    const lexabit::KeptGameFile file(folder / "KeptGame.txt");
    lexabit::LetterCountValues large{};
    large.fill(49);
    lexabit::LetterCountValues largest{};
    largest.fill(lexabit::MaxLetterCount);
    const bool ok = Time("standard pack of 98 cards", GameOf(lexabit::StandardLetterCounts), file);
    Time("a pack of 1274 cards", GameOf(large), file);
    Time("a pack of 25974 cards", GameOf(largest), file);
    std::filesystem::remove_all(folder);
    std::printf("standard pack %s (limit: %.0f ms median)\n",
                ok ? "within the limit" : "OVER THE LIMIT", LimitMs);
    return ok ? 0 : 1;
}
