#include "board/table/BoardEffects.h"

#include "board/sound/Sounds.h"
#include "board/table/BoardSurface.h"
#include "game/motion/CardGlide.h"

#include <thread>

namespace lexabit {

void PacedWait(std::chrono::microseconds duration) {
    if (duration <= std::chrono::microseconds::zero()) {
        return;
    }
    std::this_thread::sleep_for(duration);
}

void BoardEffects::GlideCard(int index, double left, double top, int steps) {
    surface_.BeginGlide(steps);
    GlideCardOnBoard(sprites_, surface_, state_, index, left, top, steps);
}

void BoardEffects::PlaySound(const std::string& name) {
    sounds_.PlayGameSound(name, soundOn_());
}

void BoardEffects::Repaint() {
    showGame_();
}

} // namespace lexabit
