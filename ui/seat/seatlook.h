#pragma once

#include <QRectF>

class QPainter;

namespace vantry {

// Each seat's shape of its own, so that the seats are told apart without their colours: red a
// circle, blue a square, yellow a triangle, green a diamond. The counters, the name labels and
// the new-game dialog's seat groups draw it; it is drawn in the seat's text colour, which stands
// out from the seat's fill by more than 3:1 (white on red is the least, at 4:1).
// Draws seat's shape filled, as large as fits centred in `box` (any size; the shapes are
// drawn from its width and height alone so they follow the board's scale).
void DrawSeatMark(QPainter& painter, int seat, const QRectF& box);

// The square, centred in `area`, that a mark takes: `share` of the area's shorter side.
QRectF SeatMarkBox(const QRectF& area, qreal share);

}  // namespace vantry
