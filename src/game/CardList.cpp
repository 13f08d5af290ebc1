#include "game/CardList.h"

#include <algorithm>

namespace lexabit {

int CardList::PositionOf(int index) const {
    const auto found = std::find(items_.begin(), items_.end(), index);
    return found == items_.end() ? 0 : static_cast<int>(found - items_.begin()) + 1;
}

} // namespace lexabit
