#include "board/table/CardPainting.h"

#include "game/model/GameState.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <vector>

namespace lexabit {

namespace {

double BoardScaleOf(const QPainter& painter) {
    return painter.worldTransform().m11();
}

} // namespace

double DeviceRatioOf(const QPainter& painter) {
    // What the device transform adds to the board's scale: the pixels of the screen, or of
    // the picture the board is rendered into, whatever device the painter names.
    const double board = painter.worldTransform().m11();
    return board > 0 ? painter.deviceTransform().m11() / board : 1.0;
}

namespace {

constexpr double CardCornerRadius = 5;

} // namespace

namespace {

// The logical place of a point in board units, moved onto the nearest whole device pixel.
QPointF OnDevicePixel(const QPainter& painter, QPointF units) {
    const QPointF logical = painter.worldTransform().map(units);
    const double ratio = DeviceRatioOf(painter);
    return {std::round(logical.x() * ratio) / ratio, std::round(logical.y() * ratio) / ratio};
}

} // namespace

void DrawOnDevicePixels(QPainter& painter, QPointF units, const QPixmap& picture) {
    const QPointF corner = OnDevicePixel(painter, units);
    painter.save();
    painter.resetTransform();
    painter.drawPixmap(corner, picture);
    painter.restore();
}

void DrawPartsOnDevicePixels(QPainter& painter, QPointF units, const QPixmap& picture,
                             const std::vector<QRectF>& partsInUnits) {
    const QPointF corner = OnDevicePixel(painter, units);
    const double scale = BoardScaleOf(painter);
    const double ratio = picture.devicePixelRatio();
    painter.save();
    painter.resetTransform();
    for (const QRectF& part : partsInUnits) {
        // Whole pixels of the picture, copied onto as many pixels of the device.
        const QRect source =
            QRectF(part.topLeft() * scale * ratio, part.size() * scale * ratio).toAlignedRect() &
            picture.rect();
        if (!source.isEmpty()) {
            painter.drawPixmap(
                QRectF(corner + QPointF(source.topLeft()) / ratio, QSizeF(source.size()) / ratio),
                picture, source);
        }
    }
    painter.restore();
}

QSize LogicalSizeOf(const QPainter& painter, QSizeF units) {
    const double scale = BoardScaleOf(painter);
    return {static_cast<int>(std::lround(units.width() * scale)),
            static_cast<int>(std::lround(units.height() * scale))};
}

CardShadows::Look CardShadows::LookOf(CardLift lift) {
    // A resting card lies close to the table: a tight shadow just below it. A held card is
    // lifted towards the player: its shadow falls further off and softer.
    return lift == CardLift::Resting ? Look{1.0, 2.0, 4.0, 70} : Look{6.0, 11.0, 12.0, 80};
}

QPixmap CardShadows::Draw(CardLift lift, double scale, double dpr) const {
    const Look look = LookOf(lift);
    const QSizeF card(CardWidth, CardHeight);
    const QSizeF units = card + QSizeF(2 * look.blur, 2 * look.blur);
    QPixmap shadow(QSize(static_cast<int>(std::ceil(units.width() * scale * dpr)),
                         static_cast<int>(std::ceil(units.height() * scale * dpr))));
    shadow.setDevicePixelRatio(dpr);
    shadow.fill(Qt::transparent);
    QPainter painter(&shadow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    // Rings of faint shade, each a little smaller than the last, add up to a shadow that is
    // darkest under the card and fades out over the blur's width.
    constexpr int rings = 10;
    const double perRing = 1.0 - std::pow(1.0 - look.darkest / 255.0, 1.0 / rings);
    painter.setBrush(QColor(0, 0, 0, static_cast<int>(std::lround(perRing * 255))));
    for (int ring = 0; ring < rings; ++ring) {
        const double inset = look.blur * 1.6 * ring / rings;
        const QRectF area = QRectF(QPointF(0, 0), units).adjusted(inset, inset, -inset, -inset);
        if (area.isEmpty()) {
            break;
        }
        const double radius = CardCornerRadius + look.blur - inset;
        painter.drawRoundedRect(area, std::max(radius, 1.0), std::max(radius, 1.0));
    }
    return shadow;
}

void CardShadows::Paint(QPainter& painter, QPointF cardUnits, CardLift lift) const {
    const double scale = BoardScaleOf(painter);
    const double dpr = DeviceRatioOf(painter);
    const std::pair<double, double> key{scale, dpr};
    auto kept = kept_.find(key);
    if (kept == kept_.end()) {
        kept_.clear(); // only the present scale is painted
        kept = kept_
                   .emplace(key, std::make_pair(Draw(CardLift::Resting, scale, dpr),
                                                Draw(CardLift::Lifted, scale, dpr)))
                   .first;
    }
    const Look look = LookOf(lift);
    const QPixmap& shadow = lift == CardLift::Resting ? kept->second.first : kept->second.second;
    DrawOnDevicePixels(
        painter, cardUnits + QPointF(look.offsetX - look.blur, look.offsetY - look.blur), shadow);
}

} // namespace lexabit
