#include "game/SoundTable.h"

#include <array>
#include <utility>

namespace lexabit {

std::optional<GameSound> FindGameSound(std::string_view name) {
    using enum SoundPlayback;
    static constexpr std::array<std::pair<std::string_view, GameSound>, 6> Sounds{{
        {"Stack", {"sounds/stack.wav", Synchronous}},
        {"Shuffle", {"sounds/shuffle.wav", Synchronous}},
        {"DrawCard", {"sounds/turn.wav", Asynchronous}},
        {"DrawStack", {"sounds/Draw.wav", Asynchronous}},
        {"InitAnimation", {"sounds/Draw.wav", Synchronous}},
        {"Applause", {"sounds/applause.wav", Asynchronous}},
    }};
    for (const auto& [soundName, sound] : Sounds) {
        if (soundName == name) {
            return sound;
        }
    }
    return std::nullopt;
}

} // namespace lexabit
