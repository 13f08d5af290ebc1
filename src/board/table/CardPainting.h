#pragma once

// Pictures drawn on the scaled board at their final device pixel size, and the soft
// shadows under the cards.

#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <map>
#include <utility>
#include <vector>

class QPainter;

namespace lexabit {

// Draws a picture made for the device's own pixels with its top-left corner at a place in
// board units, on a whole device pixel, so it is copied pixel for pixel and never
// stretched. The painter's world transform is the board's scale, as the board sets it.
void DrawOnDevicePixels(QPainter& painter, QPointF units, const QPixmap& picture);

// Draws only these parts of such a picture, given in board units from its top-left corner.
void DrawPartsOnDevicePixels(QPainter& painter, QPointF units, const QPixmap& picture,
                             const std::vector<QRectF>& partsInUnits);

// The size a picture needs, in logical pixels, to cover this many board units at the
// painter's present scale.
QSize LogicalSizeOf(const QPainter& painter, QSizeF units);

// The device pixels to one logical pixel the painter paints on.
double DeviceRatioOf(const QPainter& painter);

// How high a card stands over the table: the held cards are lifted and cast a larger shadow.
enum class CardLift { Resting, Lifted };

// The soft shadow under a card, drawn once for each height, scale and device pixel ratio.
class CardShadows {
public:
    // Paints the shadow of the card whose top-left corner is at this place in board units.
    void Paint(QPainter& painter, QPointF cardUnits, CardLift lift) const;

private:
    struct Look {
        double offsetX;
        double offsetY;
        double blur; // board units over which the shadow fades out
        int darkest; // alpha under the card's middle
    };
    static Look LookOf(CardLift lift);
    QPixmap Draw(CardLift lift, double scale, double dpr) const;

    mutable std::map<std::pair<double, double>, std::pair<QPixmap, QPixmap>> kept_;
};

} // namespace lexabit
