#pragma once

// The board's side of the game's effects: glides paced so that every step shows, the
// game's sounds and repaints.

#include "game/model/Ports.h"
#include "game/motion/GlideEngine.h"

#include <chrono>
#include <functional>

namespace lexabit {

// Holds the window's thread for a while without handling any event: mouse, keys,
// resizes and timers stay queued and are handled once the move has ended, so nothing
// can slip in between two steps of a move or during a synchronous sound. The sounds
// play on a thread of their own, so they are not starved meanwhile.
void PacedWait(std::chrono::microseconds duration);

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

    GlideEngine& Sprites() { return sprites_; }

private:
    GameState& state_;
    BoardSurface& surface_;
    SoundFunctions& sounds_;
    std::function<bool()> soundOn_;
    std::function<void()> showGame_;
    GlideEngine sprites_;
};

} // namespace lexabit
