#include "board/table/CardBackArt.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>

namespace lexabit {

namespace {

struct BackStyle {
    const char* name;
    const char* resource;
};

constexpr std::array<BackStyle, CardBackStyleCount> BackStyles{{
    {"Castle", ":/art/back-0-castle.svg"},
    {"Fish", ":/art/back-1-fish.svg"},
    {"Flowers", ":/art/back-2-flowers.svg"},
    {"Weave", ":/art/back-3-weave.svg"},
    {"Hand", ":/art/back-4-hand.svg"},
    {"Robot", ":/art/back-5-robot.svg"},
    {"SeaShell", ":/art/back-6-seashell.svg"},
    {"Tropic", ":/art/back-7-tropic.svg"},
    {"Chess", ":/art/back-8-chess.svg"},
}};

constexpr int ChessStyle = 8;
constexpr QSize SmallBackSize{71, 96};
constexpr QSize ChessBackSize{122, 160};

} // namespace

bool IsCardBackStyle(int style) {
    return style >= 0 && style < CardBackStyleCount;
}

QString CardBackStyleName(int style) {
    if (!IsCardBackStyle(style)) {
        return {};
    }
    return QString::fromLatin1(BackStyles[static_cast<std::size_t>(style)].name);
}

QString CardBackResource(int style) {
    if (!IsCardBackStyle(style)) {
        return {};
    }
    return QString::fromLatin1(BackStyles[static_cast<std::size_t>(style)].resource);
}

QSize CardBackNativeSize(int style) {
    if (!IsCardBackStyle(style)) {
        return {};
    }
    return style == ChessStyle ? ChessBackSize : SmallBackSize;
}

QPixmap RenderCardBack(int style, QSize logicalSize, qreal dpr) {
    if (!IsCardBackStyle(style) || logicalSize.isEmpty() || !(dpr > 0)) {
        return {};
    }
    QSvgRenderer renderer(CardBackResource(style));
    if (!renderer.isValid()) {
        return {};
    }
    QPixmap back(logicalSize * dpr);
    back.setDevicePixelRatio(dpr);
    back.fill(Qt::transparent);
    QPainter painter(&back);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    return back;
}

} // namespace lexabit
