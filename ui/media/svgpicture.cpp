#include "media/svgpicture.h"

#include <QMouseEvent>
#include <QPainter>

#include "media/picturerenderer.h"

namespace vantry {

namespace {
// How long a size must stay before the picture is drawn again at it.
constexpr int SettleMs = 150;
}  // namespace

SvgPicture::SvgPicture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {
    // Only the picture is painted; whatever lies behind shows through its transparent parts.
    setAttribute(Qt::WA_NoSystemBackground);
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void SvgPicture::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!shown_.isEmpty()) settle_.start();
}

QImage SvgPicture::currentImage() const {
    return PictureRenderer::Shared().Render(resource_, size(), devicePixelRatioF());
}

void SvgPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PictureRenderer& renderer = PictureRenderer::Shared();
    const QImage last = settle_.isActive() ? renderer.Kept(resource_, shown_, shownDpr_) : QImage();
    if (!last.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), last);
    } else if (const QImage image = currentImage(); !image.isNull()) {
        painter.drawImage(0, 0, image);
        shown_ = size();
        shownDpr_ = devicePixelRatioF();
    }
    renderer.Repainted(resource_);
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
