#pragma once

// The board is laid out in board units, the pixels of its design; the view shows those
// units at one scale, chosen for the room the window gives the board.

#include <QPointF>
#include <QSize>
#include <QSizeF>

namespace lexabit {

// The board the layout was designed for. It holds the pack, the seven columns, the labels,
// the word list with CheckWord under it and the status bar without any overlap, so a
// board never shows fewer units than these in either direction: a wider or taller window
// gives more units, not larger ones, until both directions have room to grow.
inline constexpr QSize DesignBoardUnits{1032, 713};

// Below this the window asks to be made larger rather than crowd the board; above it the
// cards stop growing and a huge screen shows more table instead.
inline constexpr double SmallestBoardScale = 0.6;
inline constexpr double LargestBoardScale = 2.5;

// The scale for a board of this many pixels: the design fits it whole, within the limits,
// and so does a word of this many cards above a status bar of this height in units. The
// design leaves room for a word of twelve; a longer one makes the board smaller until it
// fits, and the board grows back once the word has gone.
double BoardScaleFor(QSizeF pixels, int wordCards = 0, double statusBarUnits = 0);

// The board's size in pixels at this scale of the design.
QSize BoardPixelsAt(double scale);

// The board size a window opens with in the room a screen gives it: the design at scale 1
// where it fits, else the design made smaller to fit, never below the smallest scale.
QSize OpeningBoardPixels(QSize room);

// The board's pixels and its units at one scale: the one mapping between the two.
class BoardScale {
public:
    explicit BoardScale(double factor = 1.0) : factor_(factor) {}

    double Factor() const { return factor_; }
    QPointF ToUnits(QPointF pixels) const { return pixels / factor_; }
    QPointF ToPixels(QPointF units) const { return units * factor_; }
    // The board's extent in units for a widget of this many pixels.
    QSizeF UnitsOf(QSizeF pixels) const { return pixels / factor_; }

private:
    double factor_;
};

} // namespace lexabit
