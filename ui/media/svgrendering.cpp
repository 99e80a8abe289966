#include "svgrendering.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QResource>
#include <QSvgRenderer>

#include <cmath>

#include "picturediskcache.h"

// Resources compiled into a static library are registered only when something asks for them.
static void InitPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace vantry {

namespace {

void EnsurePictureResources() {
    static bool registered = false;
    if (!registered) {
        InitPictureResources();
        registered = true;
    }
}

}  // namespace

QImage DrawSvg(const QString& resource, const QSize& device) {
    QSvgRenderer* renderer = SharedSvgRenderer(resource);
    if (renderer == nullptr || !renderer->isValid()) return {};
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    return image;
}

namespace {

QSize DeviceSize(const QSize& logicalSize, qreal dpr) {
    return QSize(static_cast<int>(std::lround(logicalSize.width() * dpr)),
                 static_cast<int>(std::lround(logicalSize.height() * dpr)));
}

}  // namespace

QSvgRenderer* SharedSvgRenderer(const QString& resource) {
    EnsurePictureResources();
    // Renderers are children of the application so they go before it does; a later
    // application object gets fresh ones.
    static QHash<QString, QPointer<QSvgRenderer>> cache;
    QPointer<QSvgRenderer>& entry = cache[resource];
    if (entry.isNull()) {
        if (!QFile::exists(resource)) {
            return nullptr;
        }
        entry = new QSvgRenderer(resource, QCoreApplication::instance());
    }
    return entry.data();
}

// A compiled-in picture is named by its bytes as they are stored, packed or not, so that a start
// finding its pictures in the cache does not even unpack an SVG. A compiled-in picture's name is
// worked out once: the background is found again at every repaint of a part of it.
QByteArray PictureKey(const QString& resource, const QSize& device, qreal dpr) {
    EnsurePictureResources();
    const QResource stored(resource);
    if (stored.isValid() && stored.data() != nullptr) {
        static QHash<QString, QByteArray> named;
        const QString entry = resource + QLatin1Char('@') + QString::number(device.width()) + QLatin1Char('x') +
                              QString::number(device.height()) + QLatin1Char('@') + QString::number(dpr);
        QByteArray& key = named[entry];
        if (key.isEmpty()) {
            const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(stored.data()), stored.size());
            key = PictureDiskCache::Key(bytes, device, dpr);
        }
        return key;
    }
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return PictureDiskCache::Key(file.readAll(), device, dpr);
}

// A picture drawn before is read back from the disk cache, and its SVG is not even parsed.
QPixmap RenderSvg(const QString& resource, const QSize& logicalSize, qreal dpr) {
    if (logicalSize.isEmpty() || dpr <= 0) return {};
    const QSize device = DeviceSize(logicalSize, dpr);
    const QByteArray key = PictureKey(resource, device, dpr);
    if (key.isEmpty()) return {};
    const PictureDiskCache& cache = PictureDiskCache::Shared();
    QImage image = cache.Load(key, device);
    if (image.isNull()) {
        image = DrawSvg(resource, device);
        if (image.isNull()) return {};
        cache.Store(key, image);
    }
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

QImage MapSvg(const QString& resource, const QSize& logicalSize, qreal dpr) {
    if (logicalSize.isEmpty() || dpr <= 0) return {};
    const QSize device = DeviceSize(logicalSize, dpr);
    const QByteArray key = PictureKey(resource, device, dpr);
    if (key.isEmpty()) return {};
    QImage image = PictureDiskCache::Shared().Map(key, device);
    if (image.isNull() && !RenderSvg(resource, logicalSize, dpr).isNull()) {
        image = PictureDiskCache::Shared().Map(key, device);
    }
    image.setDevicePixelRatio(dpr);
    return image;
}

}  // namespace vantry
