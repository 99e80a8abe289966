#include "picturediskcache.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstring>

namespace vantry {

namespace {

// An entry: this magic, the width and height in device pixels, then the rows of premultiplied
// ARGB32 pixels as they lie in memory, tightly packed.
constexpr char Magic[8] = {'V', 'P', 'I', 'C', '0', '0', '0', '1'};
constexpr qint64 HeaderBytes = sizeof Magic + 2 * sizeof(qint32);

}  // namespace

PictureDiskCache::PictureDiskCache(QString folder) : folder_(std::move(folder)) {}

PictureDiskCache& PictureDiskCache::Shared() {
    static PictureDiskCache cache(
        [] {
            const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
            return base.isEmpty() ? QString() : base + QStringLiteral("/pictures");
        }());
    return cache;
}

QByteArray PictureDiskCache::Key(const QByteArray& picture, const QSize& deviceSize, qreal dpr) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(picture);
    hash.addData(QByteArray::number(deviceSize.width()) + 'x' + QByteArray::number(deviceSize.height()) + '@' +
                 QByteArray::number(dpr, 'g', 6) + '/' + qVersion());
    return hash.result().toHex();
}

QString PictureDiskCache::PathOf(const QByteArray& key) const {
    return folder_ + QLatin1Char('/') + QString::fromLatin1(key) + QStringLiteral(".pic");
}

QImage PictureDiskCache::Load(const QByteArray& key, const QSize& deviceSize) const {
    if (folder_.isEmpty() || deviceSize.isEmpty()) return {};
    QFile file(PathOf(key));
    const qint64 rowBytes = qint64{deviceSize.width()} * 4;
    if (!file.open(QIODevice::ReadOnly) || file.size() != HeaderBytes + rowBytes * deviceSize.height()) return {};
    char magic[sizeof Magic];
    qint32 size[2] = {0, 0};
    if (file.read(magic, sizeof magic) != sizeof magic || std::memcmp(magic, Magic, sizeof Magic) != 0 ||
        file.read(reinterpret_cast<char*>(size), sizeof size) != sizeof size ||
        QSize(size[0], size[1]) != deviceSize) {
        return {};
    }
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    for (int y = 0; y < image.height(); ++y) {
        if (file.read(reinterpret_cast<char*>(image.scanLine(y)), rowBytes) != rowBytes) return {};
    }
    return image;
}

void PictureDiskCache::Store(const QByteArray& key, const QImage& image) const {
    if (folder_.isEmpty() || image.isNull() || !QDir().mkpath(folder_)) return;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSaveFile file(PathOf(key));
    if (!file.open(QIODevice::WriteOnly)) return;
    const qint32 size[2] = {pixels.width(), pixels.height()};
    file.write(Magic, sizeof Magic);
    file.write(reinterpret_cast<const char*>(size), sizeof size);
    const qint64 rowBytes = qint64{pixels.width()} * 4;
    for (int y = 0; y < pixels.height(); ++y) file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), rowBytes);
    file.commit();
}

}  // namespace vantry
