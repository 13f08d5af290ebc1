#pragma once

#include "game/model/Ports.h"
#include "game/motion/TheDll.h"

#include <functional>

namespace lexabit {

class BoardSurface;
class GameState;
class SoundFunctions;

// The rules' effects on the real board: paced glides, the game's sounds (when the
// "Sound On" check mark says so) and repaints.
class BoardEffects final : public Effects {
public:
    // Each repaint shows the game as it stands: the board and the controls around it.
    BoardEffects(GameState& state, BoardSurface& surface, SoundFunctions& sounds,
                 std::function<bool()> soundOn, std::function<void()> showGame)
        : state_(state), surface_(surface), sounds_(sounds), soundOn_(std::move(soundOn)),
          showGame_(std::move(showGame)) {}

    void GlideCard(int index, double left, double top, int steps) override;
    void PlaySound(const std::string& name) override;
    void Repaint() override;

    TheDll& Sprites() { return sprites_; }

private:
    GameState& state_;
    BoardSurface& surface_;
    SoundFunctions& sounds_;
    std::function<bool()> soundOn_;
    std::function<void()> showGame_;
    TheDll sprites_;
};

} // namespace lexabit
