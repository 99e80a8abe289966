#include "picturediskcache.h"

#include "mediafolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
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

// A file mapped whole into memory, unmapped when the last image over it goes.
struct Mapping {
    Mapping(const void* a, size_t l) : address(a), length(l) {}
    ~Mapping() { munmap(const_cast<void*>(address), length); }
    Mapping(const Mapping&) = delete;
    Mapping& operator=(const Mapping&) = delete;
    const void* address;
    size_t length;
};

std::shared_ptr<const Mapping> MapWhole(int fd, qint64 size) {
    if (size <= 0) return {};
    void* address = mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
    if (address == MAP_FAILED) return {};
    return std::make_shared<const Mapping>(address, static_cast<size_t>(size));
}

void ReleaseMapping(void* info) { delete static_cast<std::shared_ptr<const Mapping>*>(info); }

// An image over the entry that starts `offset` bytes into the mapping; it keeps the mapping.
QImage ImageOver(const std::shared_ptr<const Mapping>& mapping, qint64 offset, const QSize& deviceSize) {
    if (!mapping || offset < 0 || offset + EntryBytes(deviceSize) > static_cast<qint64>(mapping->length)) return {};
    const auto* entry = static_cast<const uchar*>(mapping->address) + offset;
    const QImage::Format format = EntryFormat(reinterpret_cast<const char*>(entry), deviceSize);
    if (format == QImage::Format_Invalid) return {};
    return QImage(entry + HeaderBytes, deviceSize.width(), deviceSize.height(), qsizetype{deviceSize.width()} * 4, format,
                  ReleaseMapping, new std::shared_ptr<const Mapping>(mapping));
}

// The entry of `deviceSize` that starts `offset` bytes into the file; a null image when it is
// not there whole.
QImage ReadEntry(int fd, qint64 offset, const QSize& deviceSize) {
    char header[HeaderBytes];
    if (pread(fd, header, HeaderBytes, offset) != HeaderBytes) return {};
    const QImage::Format format = EntryFormat(header, deviceSize);
    if (format == QImage::Format_Invalid) return {};
    QImage image(deviceSize, format);
    if (image.isNull()) return {};
    const qint64 rowBytes = qint64{image.width()} * 4;
    const qint64 pixels = offset + HeaderBytes;
    if (image.bytesPerLine() == rowBytes) {
        const auto bytes = static_cast<ssize_t>(image.sizeInBytes());
        return pread(fd, image.bits(), static_cast<size_t>(bytes), pixels) == bytes ? image : QImage();
    }
    for (int y = 0; y < image.height(); ++y) {
        if (pread(fd, image.scanLine(y), static_cast<size_t>(rowBytes), pixels + y * rowBytes) != rowBytes) return {};
    }
    return image;
}

int OpenForReading(const QString& path) { return open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC); }

qint64 FileSize(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 ? static_cast<qint64>(info.st_size) : -1;
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

// The pack: its file, kept open, and where each entry lies in it by key. The file is mapped when an
// entry is asked for in place and stays mapped only while an image over it lives: the background
// is drawn from it at each repaint, and its pages are not held as the program's memory between.
struct PictureDiskCache::Pack {
    Pack() = default;
    Pack(const Pack&) = delete;
    Pack& operator=(const Pack&) = delete;
    ~Pack() {
        if (fd >= 0) close(fd);
    }
    int fd = -1;
    qint64 size = 0;
    QHash<QByteArray, qint64> offsets;
    std::weak_ptr<const Mapping> mapping;
};

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
    if (const Pack* pack = OpenPack()) {
        const auto at = pack->offsets.constFind(key);
        if (at != pack->offsets.constEnd()) {
            QImage image = ReadEntry(pack->fd, *at, deviceSize);
            if (!image.isNull()) return image;
        }
    }
    if (folder_.isEmpty()) return {};
    const int fd = OpenForReading(PathOf(key));
    if (fd < 0) return {};
    QImage image = FileSize(fd) == EntryBytes(deviceSize) ? ReadEntry(fd, 0, deviceSize) : QImage();
    close(fd);
    return image;
}

QImage PictureDiskCache::Map(const QByteArray& key, const QSize& deviceSize) const {
    if (deviceSize.isEmpty()) return {};
    if (Pack* pack = OpenPack()) {
        const auto at = pack->offsets.constFind(key);
        if (at != pack->offsets.constEnd()) {
            std::shared_ptr<const Mapping> mapping = pack->mapping.lock();
            if (!mapping) {
                mapping = MapWhole(pack->fd, pack->size);
                pack->mapping = mapping;
            }
            QImage image = ImageOver(mapping, *at, deviceSize);
            if (!image.isNull()) return image;
        }
    }
    if (folder_.isEmpty()) return {};
    const int fd = OpenForReading(PathOf(key));
    if (fd < 0) return {};
    const qint64 size = FileSize(fd);
    const std::shared_ptr<const Mapping> mapping = size == EntryBytes(deviceSize) ? MapWhole(fd, size) : nullptr;
    close(fd);
    return ImageOver(mapping, 0, deviceSize);
}

PictureDiskCache::Pack* PictureDiskCache::OpenPack() const {
    std::call_once(packOpened_, [this] {
        if (pack_.isEmpty()) return;
        auto pack = std::make_shared<Pack>();
        pack->fd = OpenForReading(pack_);
        if (pack->fd < 0) return;
        pack->size = FileSize(pack->fd);
        char head[sizeof PackMagic + sizeof(qint32)];
        if (pread(pack->fd, head, sizeof head, 0) != static_cast<ssize_t>(sizeof head) ||
            std::memcmp(head, PackMagic, sizeof PackMagic) != 0) {
            return;
        }
        qint32 count = 0;
        std::memcpy(&count, head + sizeof PackMagic, sizeof count);
        constexpr qint64 RowBytes = KeyBytes + sizeof(qint64);
        if (count < 0 || static_cast<qint64>(sizeof head) + count * RowBytes > pack->size) return;
        QByteArray rows(static_cast<qsizetype>(count * RowBytes), Qt::Uninitialized);
        if (pread(pack->fd, rows.data(), static_cast<size_t>(rows.size()), sizeof head) != rows.size()) return;
        for (qint32 i = 0; i < count; ++i) {
            const char* row = rows.constData() + i * RowBytes;
            qint64 offset = 0;
            std::memcpy(&offset, row + KeyBytes, sizeof offset);
            // The first of two entries under one key is the one read.
            const QByteArray key(row, KeyBytes);
            if (!pack->offsets.contains(key)) pack->offsets.insert(key, offset);
        }
        opened_ = std::move(pack);
    });
    return opened_.get();
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
