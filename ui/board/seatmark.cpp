#include "seatmark.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

#include "boardlayout.h"

namespace vantry {

SeatShape SeatShapeOf(int seat) {
    switch (seat) {
        case 0: return SeatShape::Circle;
        case 1: return SeatShape::Square;
        case 2: return SeatShape::Triangle;
        default: return SeatShape::Diamond;
    }
}

QColor SeatMarkColour(int seat) { return SeatTextWhite(seat) ? QColor(Qt::white) : QColor(Qt::black); }

QRectF SeatMarkBox(const QRectF& area, qreal share) {
    const qreal side = std::min(area.width(), area.height()) * share;
    QRectF box(0.0, 0.0, side, side);
    box.moveCenter(area.center());
    return box;
}

void DrawSeatMark(QPainter& painter, int seat, const QRectF& box) {
    QPainterPath shape;
    const QPointF c = box.center();
    switch (SeatShapeOf(seat)) {
        case SeatShape::Circle: shape.addEllipse(box); break;
        // The square is drawn a little smaller than its box, so that it weighs as much to the
        // eye as the circle and does not read as a frame around the counter.
        case SeatShape::Square: shape.addRect(SeatMarkBox(box, 0.84)); break;
        case SeatShape::Triangle:
            shape.addPolygon(QPolygonF{QPointF(c.x(), box.top()), box.bottomRight(), box.bottomLeft()});
            break;
        case SeatShape::Diamond:
            shape.addPolygon(QPolygonF{QPointF(c.x(), box.top()), QPointF(box.right(), c.y()), QPointF(c.x(), box.bottom()),
                                       QPointF(box.left(), c.y())});
            break;
    }
    shape.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, SeatMarkColour(seat));
    painter.restore();
}

}  // namespace vantry
