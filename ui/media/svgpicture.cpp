#include "svgpicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "svgrendering.h"

namespace vantry {

namespace {
// How long a size must stay before the picture is drawn again at it.
constexpr int SettleMs = 150;
}  // namespace

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {
    // Only the picture is painted; whatever lies behind shows through its transparent parts.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void SvgPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!cache_.isNull()) settle_.start();
}

QPixmap SvgPicture::currentPixmap() const {
    const qreal dpr = devicePixelRatioF();
    const QSize wanted = size() * dpr;
    if (cache_.isNull() || cache_.size() != wanted || cache_.devicePixelRatio() != dpr) {
        cache_ = RenderSvg(resource_, size(), dpr);
    }
    return cache_;
}

QSize SvgPicture::sizeHint() const {
    const QSvgRenderer* renderer = SharedSvgRenderer(resource_);
    if (renderer == nullptr || !renderer->isValid()) {
        return QWidget::sizeHint();
    }
    return renderer->defaultSize();
}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A picture drawn at build time is painted from the program's own memory, and no copy of
    // it is kept: 2.6 MiB for the board's pictures.
    const QImage built = PrerenderedSvg(resource_, size(), devicePixelRatioF());
    if (!built.isNull()) {
        painter.drawImage(0, 0, built);
        ReleaseRepainted(resource_);
    } else if (settle_.isActive() && !cache_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), cache_);
    } else if (const QPixmap pixmap = currentPixmap(); !pixmap.isNull()) {
        painter.drawPixmap(0, 0, pixmap);
    }
    // A picture the keyboard reaches shows where the focus is.
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SvgPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    click_.Press(event);
    event->accept();
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (click_.Release(event, rect())) emit clicked();
}

}  // namespace vantry
