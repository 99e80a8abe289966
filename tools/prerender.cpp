// Draws at build time the board's pictures at their design size into raw pixels that the game
// carries compiled in, so that even a first start shows them without drawing them: the
// background alone takes some 40 ms to draw from its SVG. Pictures holding text are left out,
// since their drawing depends on the fonts of the machine that shows them. The icon is drawn at
// every side it is offered at, which spares the start the SVG machinery altogether.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <tuple>

#include "board/boardlayout.h"
#include "media/picturenames.h"
#include "media/picturerenderer.h"
#include "twips.h"

int main(int argc, char** argv) {
    // No display is needed to draw into images; the start-up warnings are only build noise.
    qputenv("QT_QPA_PLATFORM", "minimal");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES")) qputenv("QT_LOGGING_RULES", "default.warning=false");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: prerender FOLDER\n");
        return 2;
    }
    QList<QPair<QString, vantry::TwipsRect>> pictures{
        {vantry::Pictures::Background, vantry::TwipsRect{0.0f, 0.0f, vantry::ClientWidth, vantry::ClientHeight}},
        {vantry::Pictures::House, vantry::HouseRect}};
    for (int n = 0; n < 7; ++n) pictures.append({vantry::Pictures::Snake(n + 2), vantry::SnakeRects[static_cast<std::size_t>(n)]});
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QList<std::tuple<QString, QSize, int>> drawings;
    for (const auto& [resource, rect] : pictures) drawings.append({resource, vantry::PixelRect(rect).size(), 0});
    for (const int side : vantry::Pictures::IconSides) drawings.append({vantry::Pictures::Icon, QSize(side, side), side});
    // The tool carries no pictures drawn at build time, so each is drawn from its SVG.
    vantry::PictureRenderer renderer;
    for (const auto& [resource, size, side] : drawings) {
        const QImage image = renderer.Render(resource, size, 1.0);
        QFile out(folder.filePath(vantry::PictureRenderer::BuiltName(resource, side)));
        if (image.isNull() || !out.open(QIODevice::WriteOnly) ||
            out.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) != image.sizeInBytes()) {
            std::fprintf(stderr, "prerender: cannot draw %s\n", qPrintable(resource));
            return 1;
        }
    }
    return 0;
}
