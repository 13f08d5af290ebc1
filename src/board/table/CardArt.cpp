#include "board/table/CardArt.h"

#include "game/model/Alphabet.h"
#include "ui/GameText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <array>
#include <cmath>

namespace lexabit {

QPixmap PictureCache::Get(const PictureKey& key, const std::function<QPixmap()>& draw) {
    if (const auto kept = pictures_.find(key); kept != pictures_.end()) {
        return kept->second;
    }
    QPixmap picture = draw();
    if (pictures_.size() >= MostKept) {
        pictures_.clear();
    }
    if (!picture.isNull()) {
        pictures_.emplace(key, picture);
    }
    return picture;
}

namespace {

// The board clips the picture to the card's own 93 by 121, so everything is laid out in that
// rectangle and the corners outside the rounded outline stay transparent.
constexpr QSizeF VisibleCard{93, 121};
constexpr qreal CornerRadius = 5;
constexpr QRectF CornerLetterBox{3, 3, 20, 20};
constexpr QRectF CornerValueBox{VisibleCard.width() - 3 - 20, 3, 20, 20};
constexpr QRectF CentreFrame{16.5, 26.5, 60, 68};
// A deep orange: bright enough to read as orange, dark enough for small digits on white.
constexpr QRgb ValueOrange = 0xffc05200;

QFont SerifFont(int pixelSize) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif, QFont::PreferAntialias);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

// Centres the ink of the text, not its line box, so capitals sit in the middle of the box.
void DrawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font) {
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    const QPointF baseline = box.center() - ink.center();
    painter.setFont(font);
    painter.drawText(baseline, text);
}

void DrawCardBody(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(0.5, 0.5, VisibleCard.width() - 1, VisibleCard.height() - 1),
                            CornerRadius, CornerRadius);
}

void DrawCornerMarks(QPainter& painter, const QString& letter, const QString& value) {
    painter.setPen(Qt::black);
    DrawCentredText(painter, CornerLetterBox, letter, SerifFont(16));
    painter.setPen(QColor::fromRgb(ValueOrange));
    DrawCentredText(painter, CornerValueBox, value, SerifFont(value.size() > 1 ? 12 : 14));
}

// The card reads the same way up from either end, like a playing card.
void DrawBothCorners(QPainter& painter, const QString& letter, const QString& value) {
    DrawCornerMarks(painter, letter, value);
    painter.save();
    painter.translate(VisibleCard.width(), VisibleCard.height());
    painter.rotate(180);
    DrawCornerMarks(painter, letter, value);
    painter.restore();
}

// Wide capitals such as W get a smaller size so they keep clear of the frame.
QFont CentreLetterFont(const QString& letter) {
    constexpr int LargestSize = 50;
    constexpr qreal ClearWidth = CentreFrame.width() - 8;
    QFont font = SerifFont(LargestSize);
    while (font.pixelSize() > 1 &&
           QFontMetricsF(font).tightBoundingRect(letter).width() > ClearWidth) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

void DrawCentrePanel(QPainter& painter, const QString& letter) {
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CentreFrame);
    painter.setPen(Qt::black);
    DrawCentredText(painter, CentreFrame, letter, CentreLetterFont(letter));
}

} // namespace

QSize ScaledFaceSize(qreal scale) {
    return {static_cast<int>(std::ceil(CardFaceSize.width() * scale)),
            static_cast<int>(std::ceil(CardFaceSize.height() * scale))};
}

QPixmap DrawCardFace(int letterNumber, qreal dpr, qreal scale) {
    const char capital = LetterOf(letterNumber);
    if (capital == '\0' || !(dpr > 0) || !(scale > 0)) {
        return {};
    }
    const QString letter = LetterText(capital);
    const QString value = QString::number(LetterValue(capital));

    QPixmap face(QSize(static_cast<int>(std::ceil(CardFaceSize.width() * scale * dpr)),
                       static_cast<int>(std::ceil(CardFaceSize.height() * scale * dpr))));
    face.setDevicePixelRatio(dpr);
    face.fill(Qt::transparent);
    QPainter painter(&face);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    DrawCardBody(painter);
    DrawBothCorners(painter, letter, value);
    DrawCentrePanel(painter, letter);
    return face;
}

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
