// Renders the program icon from its SVG into a square PNG of a given size, so the fixed-size
// desktop icons are made at build time from the one drawing instead of being kept as copies.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kMaxSize = 4096;

int fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "rendericon: %s: %s\n", what, qPrintable(detail));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // The minimal platform lets the tool run on build machines without a display; the
    // uncategorised start-up warnings (a missing runtime folder) are only build noise, while
    // the SVG reader's own warnings stay on.
    qputenv("QT_QPA_PLATFORM", "minimal");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "default.warning=false");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: rendericon INPUT.svg OUTPUT.png SIZE\n");
        return 2;
    }
    bool numeric = false;
    const int size = args.at(3).toInt(&numeric);
    if (!numeric || size < 1 || size > kMaxSize)
        return fail("size must be a whole number from 1 to 4096", args.at(3));

    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid())
        return fail("not a readable SVG drawing", args.at(1));
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(args.at(2), "PNG"))
        return fail("cannot write", args.at(2));
    return 0;
}
