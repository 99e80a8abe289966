#include <gtest/gtest.h>

#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include "picturediskcache.h"
#include "picturenames.h"
#include "svgrendering.h"
#include "version.h"

namespace vantry::test {
namespace {

QImage Gradient(const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qPremultiply(qRgba(x * 7, y * 5, x + y, (x * 31) % 256)));
    }
    return image;
}

TEST(PictureDiskCache, GivesBackEveryPixelItStored) {
    QTemporaryDir folder;
    const PictureDiskCache cache(folder.path());
    for (const QSize size : {QSize(1, 1), QSize(3, 17), QSize(64, 5)}) {
        SCOPED_TRACE(size.width() * 1000 + size.height());
        const QByteArray key = PictureDiskCache::Key("picture", size, 1.0);
        const QImage stored = Gradient(size);
        cache.Store(key, stored);
        EXPECT_EQ(cache.Load(key, size), stored);
    }
}

// An opaque picture is kept opaque, so the screen takes it without a conversion; its pixels
// are the same.
TEST(PictureDiskCache, AnOpaquePictureComesBackOpaque) {
    QTemporaryDir folder;
    const PictureDiskCache cache(folder.path());
    const QSize size(5, 3);
    QImage opaque = Gradient(size);
    opaque.fill(QColor(10, 200, 30));
    opaque.setPixel(4, 2, qRgb(1, 2, 3));
    const QByteArray key = PictureDiskCache::Key("opaque", size, 1.0);
    cache.Store(key, opaque);
    const QImage back = cache.Load(key, size);
    EXPECT_EQ(back.format(), QImage::Format_RGB32);
    EXPECT_EQ(back.pixel(4, 2), qRgb(1, 2, 3));
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32_Premultiplied), opaque);

    // One see-through pixel keeps the whole picture see-through.
    opaque.setPixel(0, 0, qPremultiply(qRgba(0, 0, 0, 128)));
    cache.Store(key, opaque);
    EXPECT_EQ(cache.Load(key, size).format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(cache.Load(key, size), opaque);
}

TEST(PictureDiskCache, AnEntryThatIsNotWholeOrNotOfTheSizeIsAbsent) {
    QTemporaryDir folder;
    const PictureDiskCache cache(folder.path());
    const QSize size(8, 4);
    const QByteArray key = PictureDiskCache::Key("picture", size, 1.0);
    EXPECT_TRUE(cache.Load(key, size).isNull());  // never stored

    cache.Store(key, Gradient(size));
    EXPECT_TRUE(cache.Load(key, QSize(4, 8)).isNull());

    const QString path = folder.filePath(QString::fromLatin1(key) + ".pic");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray whole = file.readAll();
    file.resize(whole.size() - 1);
    file.close();
    EXPECT_TRUE(cache.Load(key, size).isNull());

    QByteArray foreign = whole;
    foreign[0] = 'X';
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(foreign);
    file.close();
    EXPECT_TRUE(cache.Load(key, size).isNull());
}

// A mapped entry shows the pixels a read gives; one that is not whole or not of the size is
// absent, as for a read.
TEST(PictureDiskCache, MapsAnEntryAsItReadsIt) {
    QTemporaryDir folder;
    const PictureDiskCache cache(folder.path());
    const QSize size(9, 7);
    const QByteArray key = PictureDiskCache::Key("mapped", size, 1.0);
    EXPECT_TRUE(cache.Map(key, size).isNull());
    cache.Store(key, Gradient(size));
    const QImage mapped = cache.Map(key, size);
    ASSERT_FALSE(mapped.isNull());
    EXPECT_EQ(mapped, cache.Load(key, size));
    EXPECT_TRUE(cache.Map(key, QSize(7, 9)).isNull());

    QFile::resize(folder.filePath(QString::fromLatin1(key) + ".pic"), 30);
    EXPECT_TRUE(cache.Map(key, size).isNull());
}

// Pictures drawn at build time come from the pack when the cache folder lacks them; what the
// pack does not hold is absent.
TEST(PictureDiskCache, FallsBackToThePackOfPicturesDrawnBefore) {
    QTemporaryDir folder;
    const QString pack = folder.filePath("pictures.vpk");
    const QSize small(3, 2), large(31, 17);
    const QByteArray a = PictureDiskCache::Key("a", small, 1.0), b = PictureDiskCache::Key("b", large, 1.0);
    QImage opaque(large, QImage::Format_RGB32);
    opaque.fill(QColor(90, 20, 200));
    ASSERT_TRUE(PictureDiskCache::WritePack(pack, {{a, Gradient(small)}, {b, opaque}}));

    const PictureDiskCache cache(folder.filePath("cache"), pack);
    EXPECT_EQ(cache.Load(a, small), Gradient(small));
    EXPECT_EQ(cache.Map(b, large), opaque);
    EXPECT_TRUE(cache.Load(a, large).isNull());
    EXPECT_TRUE(cache.Map(PictureDiskCache::Key("c", small, 1.0), small).isNull());
}

// An image read in place from the pack stays whole after the cache that read it is gone.
TEST(PictureDiskCache, AnImageMappedFromThePackOutlivesTheCache) {
    QTemporaryDir folder;
    const QString pack = folder.filePath("pictures.vpk");
    const QSize size(13, 7);
    const QByteArray key = PictureDiskCache::Key("a", size, 1.0);
    ASSERT_TRUE(PictureDiskCache::WritePack(pack, {{key, Gradient(size)}}));
    QImage mapped;
    {
        const PictureDiskCache cache(QString(), pack);
        mapped = cache.Map(key, size);
    }
    EXPECT_EQ(mapped, Gradient(size));
}

// A damaged pack holds nothing: neither a cut index nor an entry said to lie past its end is read.
TEST(PictureDiskCache, ADamagedPackHoldsNothing) {
    const QSize size(5, 4);
    const QByteArray key = PictureDiskCache::Key("a", size, 1.0);
    const struct {
        const char* what;
        qint64 keepBytes;   // the pack cut to this length; negative: left whole
        qint64 offsetTo;    // the entry's offset in the index set to this; negative: left as written
    } cases[] = {{"index cut short", 30, -1}, {"entry cut short", 120, -1}, {"entry past the end", -1, 1 << 20},
                 {"entry before the index", -1, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        const QString pack = folder.filePath("pictures.vpk");
        ASSERT_TRUE(PictureDiskCache::WritePack(pack, {{key, Gradient(size)}}));
        QFile file(pack);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (c.keepBytes >= 0) {
            ASSERT_TRUE(file.resize(c.keepBytes));
        }
        if (c.offsetTo >= 0) {
            ASSERT_TRUE(file.seek(8 + 4 + 40));
            ASSERT_EQ(file.write(reinterpret_cast<const char*>(&c.offsetTo), 8), 8);
        }
        file.close();
        const PictureDiskCache cache(QString(), pack);
        EXPECT_TRUE(cache.Load(key, size).isNull());
        EXPECT_TRUE(cache.Map(key, size).isNull());
    }
}

// The pack built with the game holds the board's background as this toolkit draws it.
TEST(PictureDiskCache, TheBuiltPackHoldsTheBoardBackground) {
    const QSize board(792, 573);
    const PictureDiskCache pack(QString(), QStringLiteral(VANTRY_BUILD_DATA_DIR "/") + PicturePackName);
    const QImage packed = pack.Load(PictureKey(Pictures::Background, board, 1.0), board);
    ASSERT_FALSE(packed.isNull());
    EXPECT_EQ(packed, DrawSvg(Pictures::Background, board).convertToFormat(QImage::Format_RGB32));
}

TEST(PictureDiskCache, WithoutAFolderNothingIsKept) {
    const PictureDiskCache cache{QString()};
    const QByteArray key = PictureDiskCache::Key("picture", QSize(2, 2), 1.0);
    cache.Store(key, Gradient(QSize(2, 2)));
    EXPECT_TRUE(cache.Load(key, QSize(2, 2)).isNull());
    EXPECT_TRUE(cache.Map(key, QSize(2, 2)).isNull());
}

TEST(PictureDiskCache, KeyChangesWithThePictureTheSizeAndThePixelRatio) {
    const QByteArray key = PictureDiskCache::Key("picture", QSize(10, 20), 1.0);
    EXPECT_EQ(PictureDiskCache::Key("picture", QSize(10, 20), 1.0), key);
    EXPECT_NE(PictureDiskCache::Key("picturf", QSize(10, 20), 1.0), key);
    EXPECT_NE(PictureDiskCache::Key("picture", QSize(20, 10), 1.0), key);
    EXPECT_NE(PictureDiskCache::Key("picture", QSize(10, 20), 1.25), key);
}

TEST(PictureDiskCache, RenderingReadsAPictureDrawnBeforeBackFromTheDisk) {
    const QSize logical(31, 23);
    const qreal dpr = 2.0;
    const QSize device = logical * dpr;
    const QByteArray key = PictureKey(Pictures::House, device, dpr);
    const QString entry = PictureDiskCache::Shared().Folder() + "/" + QString::fromLatin1(key) + ".pic";
    QFile::remove(entry);  // so the first rendering draws
    const QPixmap drawn = RenderSvg(Pictures::House, logical, dpr);
    ASSERT_FALSE(drawn.isNull());
    const QPixmap again = RenderSvg(Pictures::House, logical, dpr);
    EXPECT_EQ(again.toImage(), drawn.toImage());
    EXPECT_EQ(again.devicePixelRatio(), dpr);

    // Whatever the entry holds is what the next rendering shows: the SVG is not drawn again.
    const QImage marked = Gradient(device);
    PictureDiskCache::Shared().Store(key, marked);
    EXPECT_EQ(RenderSvg(Pictures::House, logical, dpr).toImage(), marked);

    // A damaged entry is drawn afresh and replaced.
    QFile::resize(entry, 10);
    EXPECT_EQ(RenderSvg(Pictures::House, logical, dpr).toImage(), drawn.toImage());
    EXPECT_EQ(PictureDiskCache::Shared().Load(key, device), drawn.toImage());
}

}  // namespace
}  // namespace vantry::test
