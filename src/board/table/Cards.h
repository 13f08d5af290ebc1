#pragma once

#include "board/table/CardArt.h"

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace lexabit {

// Hands out the card pictures: the 26 letter faces and the back of the chosen style. Each
// picture is drawn once per size and device pixel ratio and kept for the rest of the run.
class Cards {
public:
    static constexpr int StyleCount = 9;

    // The style names in list order: "Castle", "Fish", ... "Chess"; empty for any other number.
    static QString StyleName(int style);

    void SetCardStyle(int index) { style_ = index; }
    int Style() const { return style_; }

    // The back of the current style at the size it was drawn for (71 by 96, or 122 by 160 for
    // Chess); a null picture when the current style is not one of the nine.
    QPixmap CardBack(qreal dpr = 1.0) const;
    // The same back stretched to logicalSize (the pack shows it at 93 by 121).
    QPixmap CardBack(QSize logicalSize, qreal dpr) const;
    // The back of any style, at its own size or stretched; the current style stays as it is.
    QPixmap BackOfStyle(int style, qreal dpr) const;
    QPixmap BackOfStyle(int style, QSize logicalSize, qreal dpr) const;
    // The 94 by 122 face of letter number index (1 = A ... 26 = Z); null for any other number.
    QPixmap Card(int index, qreal dpr = 1.0) const { return Card(index, dpr, 1.0); }
    // The same face drawn for a board shown at this scale.
    QPixmap Card(int index, qreal dpr, qreal scale) const;

    // Draws every face and back afresh and lists what is wrong with them; empty when all is well.
    static QStringList CheckArt();

private:
    int style_ = 0;
    mutable PictureCache pictures_;
};

} // namespace lexabit
