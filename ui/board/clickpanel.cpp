#include "board/clickpanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "seat/seatlook.h"

namespace vantry {

ClickPanel::ClickPanel(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {}

void ClickPanel::SetMarkSeat(int seat) {
    if (seat == markSeat_) return;
    markSeat_ = seat;
    update();
}

void ClickPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    // Most of the counter's width, in its middle, clear of the border and the focus frame.
    if (markSeat_ >= 0) SeatLook::DrawMark(painter, markSeat_, SeatLook::MarkBox(QRectF(rect()), 0.7));
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Reached from the keyboard, the panel shows that Space or Enter will press it.
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ClickPanel::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
    event->accept();
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (click_.Release(event, rect())) emit clicked();
}

}  // namespace vantry
