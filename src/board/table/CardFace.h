#pragma once

#include <QPixmap>
#include <QSize>

namespace lexabit {

// A letter card's face is 94 by 122 pixels; the board shows its first 93 by 121.
inline constexpr QSize CardFaceSize{94, 122};

// Draws the face of letter number letterNumber (1 = A ... 26 = Z) at the given device pixel
// ratio; a null pixmap for any other letter number or a ratio that is not positive.
QPixmap DrawCardFace(int letterNumber, qreal dpr);

} // namespace lexabit
