#include "seat/seatlook.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>

namespace vantry::SeatLook {

namespace {
constexpr int Seats = 4;
constexpr std::array<QRgb, Seats> Fill{0xffff0000, 0xff0000ff, 0xffffff00, 0xff00ff00};
// As an adjective agreeing with "seat" where the language needs a gender.
constexpr std::array<const char*, Seats> Words{QT_TRANSLATE_NOOP("Announcer", "red"),
                                               QT_TRANSLATE_NOOP("Announcer", "blue"),
                                               QT_TRANSLATE_NOOP("Announcer", "yellow"),
                                               QT_TRANSLATE_NOOP("Announcer", "green")};
bool Known(int seat) { return seat >= 0 && seat < Seats; }
}  // namespace

QColor Colour(int seat) { return Known(seat) ? QColor(Fill[static_cast<std::size_t>(seat)]) : QColor(); }

QColor TextColour(int seat) { return seat == 0 || seat == 1 ? Qt::white : Qt::black; }

QString ColourWord(int seat) {
    return Known(seat) ? QCoreApplication::translate("Announcer", Words[static_cast<std::size_t>(seat)]) : QString();
}

QRectF MarkBox(const QRectF& area, qreal share) {
    const qreal side = std::min(area.width(), area.height()) * share;
    QRectF box(0.0, 0.0, side, side);
    box.moveCenter(area.center());
    return box;
}

QPainterPath MarkShape(int seat, const QRectF& box) {
    QPainterPath shape;
    const QPointF c = box.center();
    switch (seat) {
        case 0: shape.addEllipse(box); break;
        // The square is drawn a little smaller than its box, so that it weighs as much to the
        // eye as the circle and does not read as a frame around the counter.
        case 1: shape.addRect(MarkBox(box, 0.84)); break;
        case 2:
            shape.addPolygon(QPolygonF{QPointF(c.x(), box.top()), box.bottomRight(), box.bottomLeft()});
            break;
        default:
            shape.addPolygon(QPolygonF{QPointF(c.x(), box.top()), QPointF(box.right(), c.y()), QPointF(c.x(), box.bottom()),
                                       QPointF(box.left(), c.y())});
            break;
    }
    shape.closeSubpath();
    return shape;
}

void DrawMark(QPainter& painter, int seat, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(MarkShape(seat, box), TextColour(seat));
    painter.restore();
}

}  // namespace vantry::SeatLook
