// Draws the board's pictures at the board's size into the pack installed with the game, so that
// even the first start on a machine reads them instead of drawing them. Pictures holding text
// are left out: their drawing depends on the fonts of the machine that shows them.
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

#include "boardlayout.h"
#include "picturediskcache.h"
#include "picturenames.h"
#include "svgrendering.h"
#include "twips.h"

namespace {

bool HoldsText(const QString& resource) {
    QFile file(resource);
    return !file.open(QIODevice::ReadOnly) || file.readAll().contains("<text");
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed to draw into images; the start-up warnings are only build noise.
    qputenv("QT_QPA_PLATFORM", "minimal");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "default.warning=false");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawpictures PACK\n");
        return 2;
    }
    QList<QPair<QString, vantry::TwipsRect>> pictures{
        {vantry::Pictures::Background, vantry::TwipsRect{0.0f, 0.0f, vantry::ClientWidth, vantry::ClientHeight}},
        {vantry::Pictures::House, vantry::HouseRect},
        {vantry::Pictures::File, vantry::FileButtonRect}};
    for (int n = 0; n < 7; ++n) pictures.append({vantry::Pictures::Snake(n + 2), vantry::SnakeRects[static_cast<std::size_t>(n)]});

    QList<QPair<QByteArray, QImage>> entries;
    for (const auto& [resource, rect] : pictures) {
        if (HoldsText(resource)) continue;
        const QSize size = vantry::PixelRect(rect).size();
        const QImage image = vantry::DrawSvg(resource, size);
        if (image.isNull()) {
            std::fprintf(stderr, "drawpictures: cannot draw %s\n", qPrintable(resource));
            return 1;
        }
        entries.append({vantry::PictureKey(resource, size, 1.0), image});
    }
    if (!vantry::PictureDiskCache::WritePack(QString::fromLocal8Bit(argv[1]), entries)) {
        std::fprintf(stderr, "drawpictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
