#pragma once

#include <string>
#include <utility>

namespace lexabit {

// Whether reading or writing one of the game's files worked; when it did not,
// Problem is a sentence the window can show the player as it is.
struct FileOutcome {
    bool Ok = true;
    std::string Problem;

    static FileOutcome Success() { return {}; }
    static FileOutcome Failure(std::string problem) { return {false, std::move(problem)}; }
};

} // namespace lexabit
