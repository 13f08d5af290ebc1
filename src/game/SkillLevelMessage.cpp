#include "game/SkillLevelMessage.h"

#include "game/NumberText.h"

namespace lexabit {

std::string SkillLevelMessage(const std::string& rating, int cardsLeft) {
    return "Your skill level is: " + rating + ", You had" + NumberText(cardsLeft) +
           (cardsLeft == 1 ? " card left" : " cards left");
}

} // namespace lexabit
