#include "svgpicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantry {

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), renderer_(resource) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void SvgPicture::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels = size() * dpr;
    if (cache_.size() != pixels || cache_.devicePixelRatio() != dpr) {
        cache_ = QPixmap(pixels);
        cache_.setDevicePixelRatio(dpr);
        cache_.fill(Qt::transparent);
        QPainter p(&cache_);
        renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer_.render(&p, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
}

void SvgPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

}  // namespace vantry
