#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace vantry {

// A seat's look, the one home of it: the colour the board, the dialogs, the log and the chart
// fill it with, the colour of text and marks on that fill, its mark and the word said for its
// colour.
//
// Each seat has a shape of its own, so that the seats are told apart without their colours: red
// a circle, blue a square, yellow a triangle, green a diamond. The shape is drawn in the seat's
// text colour, which stands out from the seat's fill by more than 3:1 (white on red is the
// least, at 4:1).
namespace SeatLook {

// Red, blue, yellow, green.
QColor Colour(int seat);
// White on red and blue, black on yellow and green.
QColor TextColour(int seat);
// The colour in lower case, as said after a name ("Ann, red, computer"); empty for no seat.
QString ColourWord(int seat);

// The seat's shape, as large as fits centred in `box` (any size; the shapes are drawn from its
// width and height alone so they follow the board's scale).
QPainterPath MarkShape(int seat, const QRectF& box);
// The shape filled in the seat's text colour.
void DrawMark(QPainter& painter, int seat, const QRectF& box);
// The square, centred in `area`, that a mark takes: `share` of the area's shorter side.
QRectF MarkBox(const QRectF& area, qreal share);

}  // namespace SeatLook

}  // namespace vantry
