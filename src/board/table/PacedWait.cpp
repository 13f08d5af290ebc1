#include "board/table/PacedWait.h"

#include <thread>

namespace lexabit {

void PacedWait(std::chrono::microseconds duration) {
    if (duration <= std::chrono::microseconds::zero()) {
        return;
    }
    std::this_thread::sleep_for(duration);
}

} // namespace lexabit
