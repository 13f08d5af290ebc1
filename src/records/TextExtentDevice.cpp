#include "records/TextExtentDevice.h"

#include <algorithm>

namespace lexabit {

void TextExtentDevice::DrawText(double x, double y, std::string_view text) {
    right_ = std::max(right_, x + font_.Width(text));
    bottom_ = std::max(bottom_, y + font_.LineHeight());
}

} // namespace lexabit
