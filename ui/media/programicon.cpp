#include "programicon.h"

#include <QCoreApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSize>

#include <optional>

#include "picturenames.h"
#include "svgrendering.h"

namespace vantry {

namespace {

// Draws the picture only when a size is asked for, and keeps nothing: the window system takes
// every size once when a window gets the icon, so it is never held in memory at ten sizes.
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString resource) : resource_(std::move(resource)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return RenderSvg(resource_, size, 1.0); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal dpr = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap drawn = RenderSvg(resource_, rect.size(), dpr);
        if (!drawn.isNull()) painter->drawPixmap(rect, drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : Pictures::IconSides) sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new PictureIconEngine(resource_); }
    QString key() const override { return QStringLiteral("vantry-picture"); }
    bool isNull() override {
        RegisterPictures();
        return !QFile::exists(resource_);
    }

private:
    const QString resource_;
};

std::optional<QIcon>& CachedProgramIcon() {
    static std::optional<QIcon> icon;
    return icon;
}
}  // namespace

QIcon PictureIcon(const QString& resource) { return QIcon(new PictureIconEngine(resource)); }

// Every window asks for it; it is made once and let go with the application.
QIcon ProgramIcon() {
    std::optional<QIcon>& icon = CachedProgramIcon();
    if (!icon) {
        icon = PictureIcon(Pictures::Icon);
        qAddPostRoutine([] { CachedProgramIcon().reset(); });
    }
    return *icon;
}

}  // namespace vantry
