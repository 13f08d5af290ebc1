#include "game/LengthBonus.h"

namespace lexabit {

std::int16_t LengthBonus(std::string_view word) {
    switch (word.size()) {
    case 4:
        return 2;
    case 5:
        return 3;
    case 6:
        return 5;
    case 7:
        return 10;
    default:
        return 0;
    }
}

} // namespace lexabit
