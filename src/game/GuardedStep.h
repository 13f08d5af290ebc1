#pragma once

#include <exception>

namespace lexabit {

// Runs one step of a handler whose steps stand on their own: a step that fails (a
// card or list item that does not exist, a number out of range) is left out and the
// handler goes on with the next. Tells whether the step ran through.
template <typename Step> bool RunGuarded(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace lexabit
