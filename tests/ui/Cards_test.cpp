#include "board/Cards.h"
#include "game/TextContrast.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtTest>

using lexabit::Cards;

namespace {

QImage ImageOf(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// How many pixels of two same-sized pictures differ.
int DifferingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return count;
}

// The large letter as drawn independently of the card: a glyph outline centred in the frame.
QImage ReferenceLetter(int letterNumber) {
    QImage image(94, 122, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(48);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(QChar('A' + letterNumber - 1)));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QPointF(46.5, 60.5) - glyph.boundingRect().center());
    painter.fillPath(glyph, Qt::black);
    return image;
}

// Pixels inside the frame where one picture has ink and the other has none.
int InkMismatch(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 30; y < 92; ++y) {
        for (int x = 20; x < 74; ++x) {
            count += (qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128) ? 1 : 0;
        }
    }
    return count;
}

int CountPixels(const QImage& image, const QRect& area, bool (*matches)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += matches(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// An orange that reads on the white card: the hue of orange, and the contrast text needs.
bool IsReadableOrange(QRgb pixel) {
    const QColor colour = QColor::fromRgb(pixel);
    const lexabit::Rgb rgb{static_cast<std::uint8_t>(colour.red()),
                           static_cast<std::uint8_t>(colour.green()),
                           static_cast<std::uint8_t>(colour.blue())};
    return colour.hsvHue() >= 20 && colour.hsvHue() <= 40 && colour.hsvSaturation() > 200 &&
           lexabit::ContrastRatio(rgb, lexabit::White) >= lexabit::ReadableContrast;
}

} // namespace

class CardsTest : public QObject {
    Q_OBJECT

private slots:
    void faceOfEachLetterIsItsOwn();
    void faceShowsALetterInTheMiddleOfAWhiteCard();
    void faceShowsTheLetterOfItsNumber();
    void faceShowsTheValueInReadableOrangeTopRightAndBottomLeft();
    void faceHasTransparentCornersAndAnOutlineInsideTheBoardCard();
    void faceIsNinetyFourByOneHundredTwentyTwo();
    void faceAtDoubleRatioHasDoubleDevicePixels();
    void faceOutsideTheAlphabetIsNull();
    void backHasTheSizeItWasDrawnFor_data();
    void backHasTheSizeItWasDrawnFor();
    void backOutsideTheNineStylesIsNull_data();
    void backOutsideTheNineStylesIsNull();
    void backStretchesToTheSizeAsked();
    void stylesLookDifferent();
    void styleNamesFollowTheListOrder();
    void repeatedRequestReturnsTheKeptPicture();
    void anotherRatioOrSizeIsDrawnAfresh();
    void allArtRenders();
};

void CardsTest::faceOfEachLetterIsItsOwn() {
    const Cards cards;
    const QImage a = ImageOf(cards.Card(1));
    const QImage z = ImageOf(cards.Card(26));
    QVERIFY(DifferingPixels(a, z) > 100);
    // Drawn by a second instance, the A face comes out the same, pixel for pixel.
    const Cards other;
    QCOMPARE(DifferingPixels(a, ImageOf(other.Card(1))), 0);
    for (int letter = 2; letter <= 26; ++letter) {
        QVERIFY2(DifferingPixels(a, ImageOf(cards.Card(letter))) > 0,
                 qPrintable(QString::number(letter)));
    }
}

void CardsTest::faceShowsALetterInTheMiddleOfAWhiteCard() {
    const QImage face = ImageOf(Cards().Card(9));
    // Between the frame and the letter the card is white.
    QCOMPARE(face.pixel(46, 30), qRgb(255, 255, 255));
    int ink = 0;
    for (int y = 40; y < 80; ++y) {
        for (int x = 30; x < 63; ++x) {
            ink += qGray(face.pixel(x, y)) < 64 ? 1 : 0;
        }
    }
    QVERIFY(ink > 100);
}

void CardsTest::faceShowsTheLetterOfItsNumber() {
    QList<QImage> references;
    for (int letter = 1; letter <= 26; ++letter) {
        references << ReferenceLetter(letter);
    }
    const Cards cards;
    for (int letter = 1; letter <= 26; ++letter) {
        const QImage face = ImageOf(cards.Card(letter));
        int closest = 0;
        for (int candidate = 1; candidate < 26; ++candidate) {
            if (InkMismatch(face, references[candidate]) < InkMismatch(face, references[closest])) {
                closest = candidate;
            }
        }
        QCOMPARE(QChar('A' + closest), QChar('A' + letter - 1));
    }
}

void CardsTest::faceShowsTheValueInReadableOrangeTopRightAndBottomLeft() {
    const QImage face = ImageOf(Cards().Card(17));
    QVERIFY(CountPixels(face, QRect(66, 2, 26, 22), IsReadableOrange) > 10);
    QVERIFY(CountPixels(face, QRect(1, 97, 26, 22), IsReadableOrange) > 10);
    QCOMPARE(CountPixels(face, QRect(1, 2, 26, 22), IsReadableOrange), 0);
    QCOMPARE(CountPixels(face, QRect(16, 26, 62, 70), IsReadableOrange), 0);
}

void CardsTest::faceHasTransparentCornersAndAnOutlineInsideTheBoardCard() {
    const QImage face = ImageOf(Cards().Card(5));
    QCOMPARE(qAlpha(face.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(face.pixel(92, 120)), 0);
    // The board shows only 93 by 121 pixels: the outline's right and bottom edges lie within.
    QVERIFY(qGray(face.pixel(92, 60)) < 128);
    QVERIFY(qGray(face.pixel(46, 120)) < 128);
    QCOMPARE(qAlpha(face.pixel(93, 60)), 0);
    QCOMPARE(qAlpha(face.pixel(46, 121)), 0);
}

void CardsTest::faceIsNinetyFourByOneHundredTwentyTwo() {
    const QPixmap face = Cards().Card(1);
    QCOMPARE(face.size(), QSize(94, 122));
    QCOMPARE(face.devicePixelRatio(), 1.0);
}

void CardsTest::faceAtDoubleRatioHasDoubleDevicePixels() {
    const QPixmap face = Cards().Card(26, 2.0);
    QCOMPARE(face.size(), QSize(188, 244));
    QCOMPARE(face.devicePixelRatio(), 2.0);
    QCOMPARE(face.deviceIndependentSize(), QSizeF(94, 122));
}

void CardsTest::faceOutsideTheAlphabetIsNull() {
    const Cards cards;
    QVERIFY(cards.Card(0).isNull());
    QVERIFY(cards.Card(27).isNull());
    QVERIFY(cards.Card(1, 0.0).isNull());
}

void CardsTest::backHasTheSizeItWasDrawnFor_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("size");
    for (int style = 0; style < 8; ++style) {
        QTest::addRow("%s", qPrintable(Cards::StyleName(style))) << style << QSize(71, 96);
    }
    QTest::addRow("Chess") << 8 << QSize(122, 160);
}

void CardsTest::backHasTheSizeItWasDrawnFor() {
    QFETCH(int, style);
    QFETCH(QSize, size);
    Cards cards;
    cards.SetCardStyle(style);
    QCOMPARE(cards.Style(), style);
    QCOMPARE(cards.CardBack().size(), size);
    const QPixmap sharp = cards.CardBack(2.0);
    QCOMPARE(sharp.size(), size * 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
}

void CardsTest::backOutsideTheNineStylesIsNull_data() {
    QTest::addColumn<int>("style");
    QTest::newRow("-1") << -1;
    QTest::newRow("9") << 9;
    QTest::newRow("32767") << 32767;
}

void CardsTest::backOutsideTheNineStylesIsNull() {
    QFETCH(int, style);
    Cards cards;
    cards.SetCardStyle(style);
    QCOMPARE(cards.Style(), style);
    QVERIFY(cards.CardBack().isNull());
    QVERIFY(cards.CardBack(QSize(93, 121), 1.0).isNull());
}

void CardsTest::backStretchesToTheSizeAsked() {
    Cards cards;
    cards.SetCardStyle(8);
    const QPixmap pack = cards.CardBack(QSize(93, 121), 2.0);
    QCOMPARE(pack.size(), QSize(186, 242));
    QCOMPARE(pack.deviceIndependentSize(), QSizeF(93, 121));
    // The art fills the whole card: its middle is painted, not transparent.
    QCOMPARE(qAlpha(ImageOf(pack).pixel(93, 121)), 255);
    QVERIFY(cards.CardBack(QSize(0, 121), 1.0).isNull());
}

void CardsTest::stylesLookDifferent() {
    Cards cards;
    QList<QImage> backs;
    for (int style = 0; style < Cards::StyleCount; ++style) {
        cards.SetCardStyle(style);
        backs << ImageOf(cards.CardBack(QSize(71, 96), 1.0));
    }
    for (int first = 0; first < backs.size(); ++first) {
        for (int second = first + 1; second < backs.size(); ++second) {
            QVERIFY2(DifferingPixels(backs[first], backs[second]) > 1000,
                     qPrintable(QStringLiteral("%1 and %2").arg(first).arg(second)));
        }
    }
}

void CardsTest::styleNamesFollowTheListOrder() {
    const QStringList names = {"Castle", "Fish",     "Flowers", "Weave", "Hand",
                               "Robot",  "SeaShell", "Tropic",  "Chess"};
    QCOMPARE(Cards::StyleCount, names.size());
    for (int style = 0; style < Cards::StyleCount; ++style) {
        QCOMPARE(Cards::StyleName(style), names[style]);
    }
    QVERIFY(Cards::StyleName(-1).isEmpty());
    QVERIFY(Cards::StyleName(9).isEmpty());
}

void CardsTest::repeatedRequestReturnsTheKeptPicture() {
    Cards cards;
    QCOMPARE(cards.Card(3).cacheKey(), cards.Card(3).cacheKey());
    QCOMPARE(cards.Card(3, 2.0).cacheKey(), cards.Card(3, 2.0).cacheKey());
    cards.SetCardStyle(6);
    const qint64 shell = cards.CardBack().cacheKey();
    cards.SetCardStyle(1);
    QVERIFY(cards.CardBack().cacheKey() != shell);
    cards.SetCardStyle(6);
    QCOMPARE(cards.CardBack().cacheKey(), shell);
}

void CardsTest::anotherRatioOrSizeIsDrawnAfresh() {
    Cards cards;
    QVERIFY(cards.Card(3, 1.0).cacheKey() != cards.Card(3, 2.0).cacheKey());
    QVERIFY(cards.Card(3).cacheKey() != cards.Card(4).cacheKey());
    cards.SetCardStyle(2);
    QVERIFY(cards.CardBack(1.0).cacheKey() != cards.CardBack(1.5).cacheKey());
    QVERIFY(cards.CardBack(1.0).cacheKey() != cards.CardBack(QSize(93, 121), 1.0).cacheKey());
}

void CardsTest::allArtRenders() {
    QCOMPARE(Cards::CheckArt(), QStringList());
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    CardsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "Cards_test.moc"
