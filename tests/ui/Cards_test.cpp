#include "UiTestSupport.h"
#include "board/Cards.h"

#include <QPainter>
#include <QPainterPath>

using lexabit::Cards;

namespace {

QImage ImageOf(const QPixmap& picture) {
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
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

    // One set of cards draws each picture anew for another ratio or size, filled with its
    // art, and nothing for a letter or style out of range.
    void picturesHaveTheirSizeAtEachRatio() {
        Cards cards;
        cards.SetCardStyle(8); // Chess, the back whose own size is not the pack's
        const struct {
            QPixmap picture;
            QSizeF size;
            qreal ratio;
        } pictures[] = {{cards.Card(3), {94, 122}, 1.0},
                        {cards.Card(3, 2.0), {94, 122}, 2.0},
                        {cards.CardBack(), {122, 160}, 1.0},
                        {cards.CardBack(2.0), {122, 160}, 2.0},
                        {cards.CardBack(QSize(93, 121), 2.0), {93, 121}, 2.0}};
        for (const auto& [picture, size, ratio] : pictures) {
            QCOMPARE(picture.deviceIndependentSize(), size);
            QCOMPARE(picture.devicePixelRatio(), ratio);
            QCOMPARE(qAlpha(ImageOf(picture).pixel(picture.width() / 2, picture.height() / 2)),
                     255);
        }
        QVERIFY(cards.Card(0).isNull() && cards.Card(27).isNull() && cards.Card(1, 0.0).isNull());
        cards.SetCardStyle(9);
        QVERIFY(cards.CardBack().isNull());
    }

    void allArtRenders() { QCOMPARE(Cards::CheckArt(), QStringList()); }
};

LEXABIT_UI_TEST_MAIN(CardsTest)
#include "Cards_test.moc"
