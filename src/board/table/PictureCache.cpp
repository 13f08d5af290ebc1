#include "board/table/PictureCache.h"

namespace lexabit {

QPixmap PictureCache::Get(const PictureKey& key, const std::function<QPixmap()>& draw) {
    if (const auto kept = pictures_.find(key); kept != pictures_.end()) {
        return kept->second;
    }
    QPixmap picture = draw();
    if (!picture.isNull()) {
        pictures_.emplace(key, picture);
    }
    return picture;
}

} // namespace lexabit
