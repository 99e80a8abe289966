#include "svgrendering.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QSvgRenderer>

#include <cmath>

// Resources compiled into a static library are registered only when something asks for them.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace vantry {

QSvgRenderer* SharedSvgRenderer(const QString& resource) {
    static bool registered = false;
    if (!registered) {
        InitPictureResources();
        registered = true;
    }
    // Renderers are children of the application so they go before it does; a later
    // application object gets fresh ones.
    static QHash<QString, QPointer<QSvgRenderer>> renderers;
    QPointer<QSvgRenderer>& entry = renderers[resource];
    if (entry.isNull()) {
        if (!QFile::exists(resource)) return nullptr;
        entry = new QSvgRenderer(resource, QCoreApplication::instance());
    }
    return entry.data();
}

QImage DrawSvg(const QString& resource, const QSize& device) {
    QSvgRenderer* renderer = SharedSvgRenderer(resource);
    if (renderer == nullptr || !renderer->isValid() || device.isEmpty()) return {};
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    return image;
}

QPixmap RenderSvg(const QString& resource, const QSize& logicalSize, qreal dpr) {
    if (logicalSize.isEmpty() || dpr <= 0) return {};
    const QSize device(static_cast<int>(std::lround(logicalSize.width() * dpr)),
                       static_cast<int>(std::lround(logicalSize.height() * dpr)));
    QImage image = DrawSvg(resource, device);
    if (image.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

}  // namespace vantry
