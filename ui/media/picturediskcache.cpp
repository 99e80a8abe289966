#include "picturediskcache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace vantry {

namespace {

// An entry: this magic, the width and height in device pixels, the pixel format (opaque RGB32 or
// premultiplied ARGB32), then the rows of pixels as they lie in memory, tightly packed. An opaque
// picture is kept opaque, so that the screen takes it as it is, without a look for see-through
// pixels or a conversion at every start.
constexpr char Magic[8] = {'V', 'P', 'I', 'C', '0', '0', '0', '2'};
constexpr qint64 HeaderBytes = sizeof Magic + 3 * sizeof(qint32);

bool IsOpaque(const QImage& premultiplied) {
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            if (qAlpha(row[x]) != 255) return false;
        }
    }
    return true;
}

// The format of a whole entry of `deviceSize` whose header is `header`; Format_Invalid otherwise.
QImage::Format EntryFormat(const char* header, const QSize& deviceSize) {
    if (std::memcmp(header, Magic, sizeof Magic) != 0) return QImage::Format_Invalid;
    qint32 fields[3] = {0, 0, 0};
    std::memcpy(fields, header + sizeof Magic, sizeof fields);
    const auto format = static_cast<QImage::Format>(fields[2]);
    if (QSize(fields[0], fields[1]) != deviceSize ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)) {
        return QImage::Format_Invalid;
    }
    return format;
}

qint64 EntryBytes(const QSize& deviceSize) { return HeaderBytes + qint64{deviceSize.width()} * 4 * deviceSize.height(); }

struct Mapping {
    void* address;
    size_t length;
};

void Unmap(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->address, mapping->length);
    delete mapping;
}

bool ReadPixels(QFile& file, QImage& image) {
    const qint64 rowBytes = qint64{image.width()} * 4;
    if (image.bytesPerLine() == rowBytes) {
        return file.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) == image.sizeInBytes();
    }
    for (int y = 0; y < image.height(); ++y) {
        if (file.read(reinterpret_cast<char*>(image.scanLine(y)), rowBytes) != rowBytes) return false;
    }
    return true;
}

bool WritePixels(QFile& file, const QImage& image) {
    const qint64 rowBytes = qint64{image.width()} * 4;
    if (image.bytesPerLine() == rowBytes) {
        return file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) == image.sizeInBytes();
    }
    for (int y = 0; y < image.height(); ++y) {
        if (file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) != rowBytes) return false;
    }
    return true;
}

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
    // Unbuffered: the pixels go from the file straight into the image.
    QFile file(PathOf(key));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) || file.size() != EntryBytes(deviceSize)) return {};
    char header[HeaderBytes];
    if (file.read(header, HeaderBytes) != HeaderBytes) return {};
    const QImage::Format format = EntryFormat(header, deviceSize);
    if (format == QImage::Format_Invalid) return {};
    QImage image(deviceSize, format);
    if (image.isNull() || !ReadPixels(file, image)) return {};
    return image;
}

QImage PictureDiskCache::Map(const QByteArray& key, const QSize& deviceSize) const {
    if (folder_.isEmpty() || deviceSize.isEmpty()) return {};
    const int fd = open(QFile::encodeName(PathOf(key)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    const auto length = static_cast<size_t>(EntryBytes(deviceSize));
    const off_t size = lseek(fd, 0, SEEK_END);
    void* address = size == static_cast<off_t>(length) ? mmap(nullptr, length, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
    close(fd);
    if (address == MAP_FAILED) return {};
    auto* mapping = new Mapping{address, length};
    const auto* bytes = static_cast<const uchar*>(address);
    const QImage::Format format = EntryFormat(reinterpret_cast<const char*>(bytes), deviceSize);
    if (format == QImage::Format_Invalid) {
        Unmap(mapping);
        return {};
    }
    return QImage(bytes + HeaderBytes, deviceSize.width(), deviceSize.height(), qsizetype{deviceSize.width()} * 4, format,
                  Unmap, mapping);
}

// The entry is written beside its place and renamed over it, so a reader sees the old entry or
// the new one whole. It is not synced to the disk first: a cache entry lost in a crash is only
// drawn again, and waiting for the disk would cost a first start more than the drawing.
void PictureDiskCache::Store(const QByteArray& key, const QImage& image) const {
    if (folder_.isEmpty() || image.isNull() || !QDir().mkpath(folder_)) return;
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (IsOpaque(pixels)) pixels = pixels.convertToFormat(QImage::Format_RGB32);
    const QString path = PathOf(key);
    const QString part = path + QStringLiteral(".%1.part").arg(QCoreApplication::applicationPid());
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return;
    char header[HeaderBytes];
    const qint32 fields[3] = {pixels.width(), pixels.height(), static_cast<qint32>(pixels.format())};
    std::memcpy(header, Magic, sizeof Magic);
    std::memcpy(header + sizeof Magic, fields, sizeof fields);
    const bool written = file.write(header, HeaderBytes) == HeaderBytes && WritePixels(file, pixels);
    file.close();
    if (!written || std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(part);
    }
}

}  // namespace vantry
