#include "seatlook.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

#include "boardlayout.h"

namespace vantry {

QRectF SeatMarkBox(const QRectF& area, qreal share) {
    const qreal side = std::min(area.width(), area.height()) * share;
    QRectF box(0.0, 0.0, side, side);
    box.moveCenter(area.center());
    return box;
}

void DrawSeatMark(QPainter& painter, int seat, const QRectF& box) {
    QPainterPath shape;
    const QPointF c = box.center();
    // Red, blue, yellow, green.
    switch (seat) {
        case 0: shape.addEllipse(box); break;
        // The square is drawn a little smaller than its box, so that it weighs as much to the
        // eye as the circle and does not read as a frame around the counter.
        case 1: shape.addRect(SeatMarkBox(box, 0.84)); break;
        case 2:
            shape.addPolygon(QPolygonF{QPointF(c.x(), box.top()), box.bottomRight(), box.bottomLeft()});
            break;
        default:
            shape.addPolygon(QPolygonF{QPointF(c.x(), box.top()), QPointF(box.right(), c.y()), QPointF(c.x(), box.bottom()),
                                       QPointF(box.left(), c.y())});
            break;
    }
    shape.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, SeatTextWhite(seat) ? Qt::white : Qt::black);
    painter.restore();
}

}  // namespace vantry
