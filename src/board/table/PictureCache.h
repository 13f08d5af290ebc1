#pragma once

#include <QPixmap>
#include <QSize>
#include <compare>
#include <functional>
#include <map>

namespace lexabit {

enum class PictureKind { Face, Back };

// One drawn picture: what it shows, at which logical size and device pixel ratio.
struct PictureKey {
    PictureKind kind = PictureKind::Face;
    int index = 0;
    int width = 0;
    int height = 0;
    qreal dpr = 1.0;

    PictureKey(PictureKind kind, int index, QSize logicalSize, qreal dpr)
        : kind(kind), index(index), width(logicalSize.width()), height(logicalSize.height()),
          dpr(dpr) {}
    auto operator<=>(const PictureKey&) const = default; // NOLINT(modernize-use-nullptr)
};

// Keeps every picture once it has been drawn, so the board repaints without redrawing cards.
class PictureCache {
public:
    // The kept picture for key, drawing and keeping it first when there is none; a null picture
    // from draw is handed back but not kept.
    QPixmap Get(const PictureKey& key, const std::function<QPixmap()>& draw);
    std::size_t Size() const { return pictures_.size(); }

private:
    std::map<PictureKey, QPixmap> pictures_;
};

} // namespace lexabit
