#include "game/CardTag.h"

namespace lexabit {

std::string tagText(CardTag tag) {
    return std::to_string(static_cast<int>(tag));
}

std::optional<CardTag> tagFromText(std::string_view text) {
    for (const CardTag tag :
         {CardTag::Used, CardTag::Pack, CardTag::Table, CardTag::Marker, CardTag::Word}) {
        if (tagText(tag) == text) {
            return tag;
        }
    }
    return std::nullopt;
}

} // namespace lexabit
