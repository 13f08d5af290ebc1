#include "board/PacedWait.h"

#include <QEventLoop>
#include <QTimer>

namespace lexabit {

void PacedWait(std::chrono::microseconds duration) {
    if (duration <= std::chrono::microseconds::zero()) {
        return;
    }
    // The sound back end is fed by timers on this thread, so a plain sleep would
    // stall it; an event loop that leaves user input queued keeps it playing.
    QEventLoop loop;
    QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(duration),
                       Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lexabit
