#include "clickpanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantry {

ClickPanel::ClickPanel(const QColor& colour, const QString& name, QWidget* parent) : QWidget(parent), colour_(colour) {
    setObjectName(name);
}

void ClickPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
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
