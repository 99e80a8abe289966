#include "picturediskcache.h"

#include "mediafolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
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

// A pack: this magic and the number of entries, then for each its key (40 hexadecimal digits)
// and the offset of an entry as above, then the entries.
constexpr char PackMagic[8] = {'V', 'P', 'A', 'K', '0', '0', '0', '1'};
constexpr qint64 KeyBytes = 40;

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

PictureDiskCache::PictureDiskCache(QString folder, QString pack) : folder_(std::move(folder)), pack_(std::move(pack)) {}

PictureDiskCache& PictureDiskCache::Shared() {
    static PictureDiskCache cache(
        [] {
            const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
            return base.isEmpty() ? QString() : base + QStringLiteral("/pictures");
        }(),
        FindMediaFolder() + QStringLiteral("/") + QString::fromLatin1(PicturePackName));
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
    if (deviceSize.isEmpty()) return {};
    if (!folder_.isEmpty()) {
        // Unbuffered: the pixels go from the file straight into the image.
        QFile file(PathOf(key));
        char header[HeaderBytes];
        if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && file.size() == EntryBytes(deviceSize) &&
            file.read(header, HeaderBytes) == HeaderBytes) {
            const QImage::Format format = EntryFormat(header, deviceSize);
            QImage image = format == QImage::Format_Invalid ? QImage() : QImage(deviceSize, format);
            if (!image.isNull() && ReadPixels(file, image)) return image;
        }
    }
    const qint64 offset = PackOffset(key);
    return offset < 0 ? QImage() : MapFile(pack_, offset, deviceSize).copy();
}

QImage PictureDiskCache::Map(const QByteArray& key, const QSize& deviceSize) const {
    if (deviceSize.isEmpty()) return {};
    if (!folder_.isEmpty()) {
        QImage own = MapFile(PathOf(key), -1, deviceSize);
        if (!own.isNull()) return own;
    }
    const qint64 offset = PackOffset(key);
    return offset < 0 ? QImage() : MapFile(pack_, offset, deviceSize);
}

// The entry at `offset` in the file, or the file that is one entry and nothing else for a
// negative offset.
QImage PictureDiskCache::MapFile(const QString& path, qint64 offset, const QSize& deviceSize) const {
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    const off_t size = lseek(fd, 0, SEEK_END);
    const qint64 start = std::max<qint64>(offset, 0);
    const bool fits = offset < 0 ? size == EntryBytes(deviceSize) : start + EntryBytes(deviceSize) <= size;
    const auto length = static_cast<size_t>(size);
    void* address = fits && size > 0 ? mmap(nullptr, length, PROT_READ, MAP_SHARED, fd, 0) : MAP_FAILED;
    close(fd);
    if (address == MAP_FAILED) return {};
    auto* mapping = new Mapping{address, length};
    const auto* entry = static_cast<const uchar*>(address) + start;
    const QImage::Format format = EntryFormat(reinterpret_cast<const char*>(entry), deviceSize);
    if (format == QImage::Format_Invalid) {
        Unmap(mapping);
        return {};
    }
    return QImage(entry + HeaderBytes, deviceSize.width(), deviceSize.height(), qsizetype{deviceSize.width()} * 4, format,
                  Unmap, mapping);
}

qint64 PictureDiskCache::PackOffset(const QByteArray& key) const {
    if (pack_.isEmpty() || key.size() != KeyBytes) return -1;
    QFile file(pack_);
    char head[sizeof PackMagic + sizeof(qint32)];
    if (!file.open(QIODevice::ReadOnly) || file.read(head, sizeof head) != sizeof head ||
        std::memcmp(head, PackMagic, sizeof PackMagic) != 0) {
        return -1;
    }
    qint32 count = 0;
    std::memcpy(&count, head + sizeof PackMagic, sizeof count);
    for (qint32 i = 0; i < count; ++i) {
        char row[KeyBytes + sizeof(qint64)];
        if (file.read(row, sizeof row) != sizeof row) return -1;
        if (std::memcmp(row, key.constData(), KeyBytes) == 0) {
            qint64 offset = 0;
            std::memcpy(&offset, row + KeyBytes, sizeof offset);
            return offset;
        }
    }
    return -1;
}

bool PictureDiskCache::WritePack(const QString& path, const QList<QPair<QByteArray, QImage>>& entries) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const auto count = static_cast<qint32>(entries.size());
    bool written = file.write(PackMagic, sizeof PackMagic) == sizeof PackMagic &&
                   file.write(reinterpret_cast<const char*>(&count), sizeof count) == sizeof count;
    // Entries start on 16-byte boundaries, so their rows are aligned as the screen likes them.
    auto aligned = [](qint64 at) { return (at + 15) / 16 * 16; };
    qint64 at = aligned(static_cast<qint64>(sizeof PackMagic + sizeof count) + count * (KeyBytes + 8));
    QList<QImage> pixels;
    for (const auto& [key, image] : entries) {
        QImage p = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (IsOpaque(p)) p = p.convertToFormat(QImage::Format_RGB32);
        written = written && key.size() == KeyBytes && file.write(key) == KeyBytes &&
                  file.write(reinterpret_cast<const char*>(&at), sizeof at) == sizeof at;
        at = aligned(at + EntryBytes(p.size()));
        pixels.append(p);
    }
    for (const QImage& p : pixels) {
        char header[HeaderBytes];
        const qint32 fields[3] = {p.width(), p.height(), static_cast<qint32>(p.format())};
        std::memcpy(header, Magic, sizeof Magic);
        std::memcpy(header + sizeof Magic, fields, sizeof fields);
        written = written && file.seek(aligned(file.pos())) && file.write(header, HeaderBytes) == HeaderBytes &&
                  WritePixels(file, p);
    }
    return written;
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
