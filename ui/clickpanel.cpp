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
}

void ClickPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace vantry
