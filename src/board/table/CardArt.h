#pragma once

// The art of the cards: the faces drawn for each letter, the styles and pictures of the
// backs, and every drawn picture kept for the repaints.

#include <QPixmap>
#include <QSize>
#include <QString>
#include <compare>
#include <functional>
#include <map>

namespace lexabit {

enum class PictureKind { Face, Back };

// One drawn picture: what it shows, at which logical size, board scale and device pixel
// ratio.
struct PictureKey {
    PictureKind kind = PictureKind::Face;
    int index = 0;
    int width = 0;
    int height = 0;
    qreal dpr = 1.0;
    qreal scale = 1.0;

    PictureKey(PictureKind kind, int index, QSize logicalSize, qreal dpr, qreal scale = 1.0)
        : kind(kind), index(index), width(logicalSize.width()), height(logicalSize.height()),
          dpr(dpr), scale(scale) {}
    auto operator<=>(const PictureKey&) const = default; // NOLINT(modernize-use-nullptr)
};

// Keeps every picture once it has been drawn, so the board repaints without redrawing cards.
// A window resized through many scales would keep a set for each: past a few sets' worth the
// store starts again, and only the pictures of the present size are drawn anew.
class PictureCache {
public:
    static constexpr std::size_t MostKept = 160;

    // The kept picture for key, drawing and keeping it first when there is none; a null picture
    // from draw is handed back but not kept.
    QPixmap Get(const PictureKey& key, const std::function<QPixmap()>& draw);
    std::size_t Size() const { return pictures_.size(); }

private:
    std::map<PictureKey, QPixmap> pictures_;
};

// A letter card's face is 94 by 122 pixels; the board shows its first 93 by 121.
inline constexpr QSize CardFaceSize{94, 122};

// Draws the face of letter number letterNumber (1 = A ... 26 = Z) at the given device pixel
// ratio, its design enlarged by scale as a drawing, never as a bitmap, so it is sharp at any
// size; a null pixmap for any other letter number or a ratio or scale that is not positive.
QPixmap DrawCardFace(int letterNumber, qreal dpr, qreal scale = 1.0);

// The size in logical pixels of a face drawn at this scale.
QSize ScaledFaceSize(qreal scale);

// The nine card-back styles, numbered in the order of the card options list.
inline constexpr int CardBackStyleCount = 9;

bool IsCardBackStyle(int style);
// "Castle", "Fish", ... "Chess"; empty for a number that is not a style.
QString CardBackStyleName(int style);
// Where the style's picture lives in the program's resources; empty for a number that is not a
// style.
QString CardBackResource(int style);
// The size the back was drawn for: 71 by 96, except Chess with 122 by 160; empty for a number
// that is not a style.
QSize CardBackNativeSize(int style);
// Renders the back stretched to logicalSize at the device pixel ratio; null when the style, the
// size or the ratio is out of range, or when the picture cannot be read.
QPixmap RenderCardBack(int style, QSize logicalSize, qreal dpr);

} // namespace lexabit
