#include "media/programicon.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSize>

#include "media/picturenames.h"
#include "media/picturerenderer.h"

namespace vantry {

namespace {

// Asks the renderer for each size as it is wanted: the window system takes every size once when
// a window gets the icon.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString resource) : resource_(std::move(resource)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(PictureRenderer::Shared().Render(resource_, size, 1.0));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal dpr = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        const QImage drawn = PictureRenderer::Shared().Render(resource_, rect.size(), dpr);
        if (!drawn.isNull()) painter->drawImage(rect, drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : Pictures::IconSides) sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new PictureIconEngine(resource_); }
    QString key() const override { return QStringLiteral("vantry-picture"); }
    bool isNull() override { return !QFile::exists(resource_); }

private:
    const QString resource_;
};

}  // namespace

QIcon PictureIcon(const QString& resource) { return QIcon(new PictureIconEngine(resource)); }

QIcon ProgramIcon() { return PictureIcon(Pictures::Icon); }

}  // namespace vantry
