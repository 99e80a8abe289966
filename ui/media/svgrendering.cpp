#include "svgrendering.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QResource>
#include <QSvgRenderer>

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>

// Resources compiled into a static library are registered only when something asks for them.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace vantry {

void RegisterPictures() {
    static bool registered = false;
    if (!registered) {
        InitPictureResources();
        registered = true;
    }
}

QSvgRenderer* SharedSvgRenderer(const QString& resource) {
    RegisterPictures();
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

QString PrerenderedName(const QString& resource, int side) {
    const QString base = QFileInfo(resource).completeBaseName();
    return side > 0 ? QStringLiteral("%1-%2.argb").arg(base).arg(side) : base + ".argb";
}

namespace {
const QString Stored = QStringLiteral(":/prerendered/");

QSize DeviceSize(const QSize& logicalSize, qreal dpr) {
    return QSize(static_cast<int>(std::lround(logicalSize.width() * dpr)),
                 static_cast<int>(std::lround(logicalSize.height() * dpr)));
}

// Only pixels of exactly the wanted size are taken; anything else is drawn afresh.
QImage Prerendered(const QString& resource, const QSize& device) {
    const int side = device.width() == device.height() ? device.width() : 0;
    QResource stored(Stored + PrerenderedName(resource, side));
    if (!stored.isValid()) stored.setFileName(Stored + PrerenderedName(resource));
    const qint64 bytes = qint64(device.width()) * device.height() * 4;
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() != bytes) {
        return {};
    }
    return QImage(stored.data(), device.width(), device.height(), device.width() * 4,
                  QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

QImage PrerenderedSvg(const QString& resource, const QSize& logicalSize, qreal dpr) {
    if (logicalSize.isEmpty() || dpr <= 0) return {};
    QImage image = Prerendered(resource, DeviceSize(logicalSize, dpr));
    image.setDevicePixelRatio(dpr);
    return image;
}

namespace {
bool prerenderedReleased = false;

// Only whole pages inside the pixels of the stored picture `name` are released.
void ReleasePages(const QString& name) {
    const QResource stored(Stored + name);
    const long page = sysconf(_SC_PAGESIZE);
    if (!stored.isValid() || stored.data() == nullptr || page <= 0) return;
    const auto mask = ~static_cast<std::uintptr_t>(page - 1);
    const auto from = reinterpret_cast<std::uintptr_t>(stored.data());
    const std::uintptr_t first = (from + static_cast<std::uintptr_t>(page) - 1) & mask;
    const std::uintptr_t end = (from + static_cast<std::uintptr_t>(stored.size())) & mask;
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}
}  // namespace

void ReleasePrerendered() {
    prerenderedReleased = true;
    for (const QString& name : QDir(Stored).entryList(QDir::Files)) ReleasePages(name);
}

void ReleaseRepainted(const QString& resource) {
    if (prerenderedReleased) ReleasePages(PrerenderedName(resource));
}

QPixmap RenderSvg(const QString& resource, const QSize& logicalSize, qreal dpr) {
    if (logicalSize.isEmpty() || dpr <= 0) return {};
    const QSize device = DeviceSize(logicalSize, dpr);
    QImage image = Prerendered(resource, device);
    if (image.isNull()) image = DrawSvg(resource, device);
    if (image.isNull()) return {};
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

}  // namespace vantry
