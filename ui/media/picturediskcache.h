#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>

#include <memory>
#include <mutex>

namespace vantry {

// The pack of board pictures drawn at build time, in the game's data folder.
inline constexpr char PicturePackName[] = "Pictures/board.vpk";

// Rendered pictures kept on disk between runs, so that a start shows the board without drawing
// an SVG it has drawn before: the big background and snakes take far longer to draw than to
// read back. An entry is named after the picture's bytes, the size in device pixels, the pixel
// ratio and the toolkit's version, so a changed picture or a new toolkit is simply drawn
// afresh. Anything unreadable counts as absent; a cache that cannot be written is no cache.
// One thread at a time: the pack is opened once, but the mapping that images read in place share
// is kept without a lock.
class PictureDiskCache {
public:
    // Entries in `folder`; an empty folder keeps nothing. An entry is looked for first in the
    // read-only `pack` of pictures drawn when the game was built, if any, then in the folder.
    explicit PictureDiskCache(QString folder, QString pack = {});

    // The cache of this program, in its cache folder ($XDG_CACHE_HOME/...).
    static PictureDiskCache& Shared();

    static QByteArray Key(const QByteArray& picture, const QSize& deviceSize, qreal dpr);

    // The image stored under `key`, if it is whole and of `deviceSize`; a null image otherwise.
    // An opaque picture comes back as RGB32, any other as premultiplied ARGB32.
    QImage Load(const QByteArray& key, const QSize& deviceSize) const;
    // The same image, its pixels read from the entry's file as they are touched rather than
    // copied: the memory is the system's file cache, not the program's, and goes when the image
    // does. Read-only.
    QImage Map(const QByteArray& key, const QSize& deviceSize) const;
    // Stores the image's pixels; other formats are converted first.
    void Store(const QByteArray& key, const QImage& image) const;

    // Writes the entries into one file, the form in which pictures drawn at build time are
    // installed with the game.
    static bool WritePack(const QString& path, const QList<QPair<QByteArray, QImage>>& entries);

    QString Folder() const { return folder_; }

private:
    struct Pack;

    QString PathOf(const QByteArray& key) const;
    // The pack, opened and its keys read at the first look into it; null when there is none or
    // it cannot be read.
    Pack* OpenPack() const;

    QString folder_;
    QString pack_;
    mutable std::once_flag packOpened_;
    mutable std::shared_ptr<Pack> opened_;
};

}  // namespace vantry
