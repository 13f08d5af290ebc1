#include "UiTestSupport.h"
#include "board/Cards.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

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

Cards WithStyle(int style) {
    Cards cards;
    cards.SetCardStyle(style);
    return cards;
}

} // namespace

class CardsTest : public QObject {
    Q_OBJECT

private slots:
    void faceShowsTheLetterOfItsNumber() {
        QList<QImage> references;
        for (int letter = 1; letter <= 26; ++letter) {
            references << ReferenceLetter(letter);
        }
        const Cards cards;
        for (int letter = 1; letter <= 26; ++letter) {
            const QImage face = ImageOf(cards.Card(letter));
            int closest = 0;
            for (int candidate = 1; candidate < 26; ++candidate) {
                if (InkMismatch(face, references[candidate]) <
                    InkMismatch(face, references[closest])) {
                    closest = candidate;
                }
            }
            QCOMPARE(QChar('A' + closest), QChar('A' + letter - 1));
        }
    }

    void picturesHaveTheirSizeAtEachRatio_data() {
        QTest::addColumn<QPixmap>("picture");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("face") << Cards().Card(1) << QSizeF(94, 122) << 1.0;
        QTest::newRow("face, double ratio") << Cards().Card(26, 2.0) << QSizeF(94, 122) << 2.0;
        QTest::newRow("Castle back") << WithStyle(0).CardBack() << QSizeF(71, 96) << 1.0;
        QTest::newRow("Tropic back, double") << WithStyle(7).CardBack(2.0) << QSizeF(71, 96) << 2.0;
        QTest::newRow("Chess back") << WithStyle(8).CardBack() << QSizeF(122, 160) << 1.0;
        QTest::newRow("back stretched to the pack")
            << WithStyle(8).CardBack(QSize(93, 121), 2.0) << QSizeF(93, 121) << 2.0;
    }

    void picturesHaveTheirSizeAtEachRatio() {
        QFETCH(QPixmap, picture);
        QFETCH(QSizeF, size);
        QFETCH(qreal, ratio);
        QCOMPARE(picture.deviceIndependentSize(), size);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        // The art fills the card: its middle is painted.
        QCOMPARE(qAlpha(ImageOf(picture).pixel(picture.width() / 2, picture.height() / 2)), 255);
    }

    void picturesOutsideTheirRangeAreNull() {
        const Cards cards;
        for (const QPixmap& picture :
             {cards.Card(0), cards.Card(27), cards.Card(1, 0.0), WithStyle(-1).CardBack(),
              WithStyle(9).CardBack(QSize(93, 121), 1.0), WithStyle(32767).CardBack(),
              WithStyle(2).CardBack(QSize(0, 121), 1.0)}) {
            QVERIFY(picture.isNull());
        }
    }

    void stylesLookDifferent() {
        QList<QImage> backs;
        for (int style = 0; style < Cards::StyleCount; ++style) {
            backs << ImageOf(WithStyle(style).CardBack(QSize(71, 96), 1.0));
        }
        for (int first = 0; first < backs.size(); ++first) {
            for (int second = first + 1; second < backs.size(); ++second) {
                QVERIFY2(DifferingPixels(backs[first], backs[second]) > 1000,
                         qPrintable(QStringLiteral("%1 and %2").arg(first).arg(second)));
            }
        }
    }

    void allArtRenders() { QCOMPARE(Cards::CheckArt(), QStringList()); }
};

LEXABIT_UI_TEST_MAIN(CardsTest)
#include "Cards_test.moc"
