#include "board/BoardEffects.h"

#include "board/BoardSurface.h"
#include "board/SoundFunctions.h"
#include "game/motion/CardGlide.h"

namespace lexabit {

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
