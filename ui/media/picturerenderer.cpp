#include "media/picturerenderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>

namespace vantry {

namespace {

const QString Built = QStringLiteral(":/prerendered/");

QSize DeviceSize(const QSize& logicalSize, qreal dpr) {
    return QSize(static_cast<int>(std::lround(logicalSize.width() * dpr)),
                 static_cast<int>(std::lround(logicalSize.height() * dpr)));
}

QString KeyOf(const QString& picture, const QSize& device, qreal dpr) {
    return QStringLiteral("%1@%2x%3@%4").arg(picture).arg(device.width()).arg(device.height()).arg(dpr);
}

// Only pixels of exactly the wanted size are taken; anything else is drawn afresh.
QImage BuiltPixels(const QString& picture, const QSize& device) {
    const int side = device.width() == device.height() ? device.width() : 0;
    QResource stored(Built + PictureRenderer::BuiltName(picture, side));
    if (!stored.isValid()) stored.setFileName(Built + PictureRenderer::BuiltName(picture));
    const qint64 bytes = static_cast<qint64>(device.width()) * device.height() * 4;
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() != bytes) {
        return {};
    }
    return QImage(stored.data(), device.width(), device.height(), device.width() * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

// The SVG is parsed for each drawing and let go after it: a picture is drawn again only at a new
// size, and a parsed background would hold more memory than its pixels.
QImage Draw(const QString& picture, const QSize& device) {
    if (device.isEmpty() || !QFile::exists(picture)) return {};
    QSvgRenderer svg(picture);
    if (!svg.isValid()) return {};
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
    return image;
}

// Only whole pages inside the pixels of the stored picture `name` are released.
void ReleasePages(const QString& name) {
    const QResource stored(Built + name);
    const long page = sysconf(_SC_PAGESIZE);
    if (!stored.isValid() || stored.data() == nullptr || page <= 0) return;
    const auto mask = ~static_cast<std::uintptr_t>(page - 1);
    const auto from = reinterpret_cast<std::uintptr_t>(stored.data());
    const std::uintptr_t first = (from + static_cast<std::uintptr_t>(page) - 1) & mask;
    const std::uintptr_t end = (from + static_cast<std::uintptr_t>(stored.size())) & mask;
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
}

}  // namespace

PictureRenderer::PictureRenderer(qsizetype boundBytes) : kept_(boundBytes) {}

PictureRenderer& PictureRenderer::Shared() {
    static PictureRenderer shared;
    return shared;
}

QString PictureRenderer::BuiltName(const QString& picture, int side) {
    const QString base = QFileInfo(picture).completeBaseName();
    return side > 0 ? QStringLiteral("%1-%2.argb").arg(base).arg(side) : base + ".argb";
}

QImage PictureRenderer::Kept(const QString& picture, const QSize& logicalSize, qreal dpr) {
    if (logicalSize.isEmpty() || dpr <= 0) return {};
    const QImage* kept = kept_.object(KeyOf(picture, DeviceSize(logicalSize, dpr), dpr));
    return kept != nullptr ? *kept : QImage();
}

QImage PictureRenderer::Render(const QString& picture, const QSize& logicalSize, qreal dpr) {
    if (QImage kept = Kept(picture, logicalSize, dpr); !kept.isNull() || logicalSize.isEmpty() || dpr <= 0) return kept;
    const QSize device = DeviceSize(logicalSize, dpr);
    QImage image = BuiltPixels(picture, device);
    if (image.isNull()) image = Draw(picture, device);
    if (image.isNull()) return {};
    image.setDevicePixelRatio(dpr);
    kept_.insert(KeyOf(picture, device, dpr), new QImage(image), image.sizeInBytes());
    return image;
}

void PictureRenderer::ReleaseBuilt() {
    builtReleased_ = true;
    for (const QString& name : QDir(Built).entryList(QDir::Files)) ReleasePages(name);
}

void PictureRenderer::Repainted(const QString& picture) const {
    if (builtReleased_) ReleasePages(BuiltName(picture));
}

}  // namespace vantry
