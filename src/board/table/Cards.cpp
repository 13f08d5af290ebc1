#include "board/table/Cards.h"

#include "board/table/CardArt.h"
#include "game/model/Alphabet.h"
#include "ui/GameText.h"

#include <QImage>
#include <QSvgRenderer>

namespace lexabit {

static_assert(Cards::StyleCount == CardBackStyleCount);

namespace {

// A picture that came out as one flat colour (or fully transparent) lost its drawing.
bool IsBlank(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return false;
            }
        }
    }
    return true;
}

// The large letter in the middle of a face shows as dark ink well inside the frame.
bool HasCentreLetter(const QImage& face) {
    const QRect inside(30, 40, 33, 40);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (qGray(face.pixel(x, y)) < 64 && qAlpha(face.pixel(x, y)) > 192) {
                return true;
            }
        }
    }
    return false;
}

void CheckFace(int letterNumber, QStringList& problems) {
    const QString name =
        QStringLiteral("Face %1 (%2)").arg(letterNumber).arg(LetterText(LetterOf(letterNumber)));
    const QPixmap face = DrawCardFace(letterNumber, 1.0);
    if (face.isNull()) {
        problems << name + QStringLiteral(": no picture");
        return;
    }
    if (face.size() != CardFaceSize) {
        problems << name + QStringLiteral(": wrong size");
    }
    const QImage image = face.toImage();
    if (IsBlank(image)) {
        problems << name + QStringLiteral(": blank");
    } else if (!HasCentreLetter(image)) {
        problems << name + QStringLiteral(": no letter in the middle");
    }
}

void CheckBack(int style, QStringList& problems) {
    const QString name = QStringLiteral("Back %1 (%2)").arg(style).arg(CardBackStyleName(style));
    if (!QSvgRenderer(CardBackResource(style)).isValid()) {
        problems << name + QStringLiteral(": cannot read ") + CardBackResource(style);
        return;
    }
    const QPixmap back = RenderCardBack(style, CardBackNativeSize(style), 1.0);
    if (back.isNull()) {
        problems << name + QStringLiteral(": no picture");
    } else if (IsBlank(back.toImage())) {
        problems << name + QStringLiteral(": blank");
    }
}

} // namespace

QString Cards::StyleName(int style) {
    return CardBackStyleName(style);
}

QPixmap Cards::CardBack(qreal dpr) const {
    return BackOfStyle(style_, dpr);
}

QPixmap Cards::CardBack(QSize logicalSize, qreal dpr) const {
    return BackOfStyle(style_, logicalSize, dpr);
}

QPixmap Cards::BackOfStyle(int style, qreal dpr) const {
    return BackOfStyle(style, CardBackNativeSize(style), dpr);
}

QPixmap Cards::BackOfStyle(int style, QSize logicalSize, qreal dpr) const {
    if (!IsCardBackStyle(style)) {
        return {};
    }
    return pictures_.Get(PictureKey(PictureKind::Back, style, logicalSize, dpr),
                         [&] { return RenderCardBack(style, logicalSize, dpr); });
}

QPixmap Cards::Card(int index, qreal dpr, qreal scale) const {
    if (index < 1 || index > LetterCount) {
        return {};
    }
    return pictures_.Get(PictureKey(PictureKind::Face, index, CardFaceSize, dpr, scale),
                         [&] { return DrawCardFace(index, dpr, scale); });
}

QStringList Cards::CheckArt() {
    QStringList problems;
    for (int letterNumber = 1; letterNumber <= LetterCount; ++letterNumber) {
        CheckFace(letterNumber, problems);
    }
    for (int style = 0; style < StyleCount; ++style) {
        CheckBack(style, problems);
    }
    return problems;
}

} // namespace lexabit
