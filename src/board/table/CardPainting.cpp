#include "board/table/CardPainting.h"

#include "game/model/GameState.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace lexabit {

namespace {

double BoardScaleOf(const QPainter& painter) {
    return painter.worldTransform().m11();
}

double DeviceRatioOf(const QPainter& painter) {
    return painter.device()->devicePixelRatioF();
}

constexpr double CardCornerRadius = 5;

} // namespace

void DrawOnDevicePixels(QPainter& painter, QPointF units, const QPixmap& picture) {
    const QPointF logical = painter.worldTransform().map(units);
    const double ratio = DeviceRatioOf(painter);
    const QPointF onDevicePixel(std::round(logical.x() * ratio) / ratio,
                                std::round(logical.y() * ratio) / ratio);
    painter.save();
    painter.resetTransform();
    painter.drawPixmap(onDevicePixel, picture);
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
