#include "programicon.h"

#include <QCoreApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QSvgRenderer>

#include <optional>

#include "picturenames.h"
#include "svgrendering.h"

namespace vantry {

namespace {

constexpr int IconSides[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};

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
        for (const int side : IconSides) sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new PictureIconEngine(resource_); }
    QString key() const override { return QStringLiteral("vantry-picture"); }
    bool isNull() override {
        const QSvgRenderer* renderer = SharedSvgRenderer(resource_);
        return renderer == nullptr || !renderer->isValid();
    }

private:
    const QString resource_;
};

}  // namespace

namespace {
std::optional<QIcon>& CachedProgramIcon() {
    static std::optional<QIcon> icon;
    return icon;
}
}  // namespace

// Every window asks for it; it is made once and let go with the application.
QIcon ProgramIcon() {
    std::optional<QIcon>& icon = CachedProgramIcon();
    if (!icon) {
        icon = QIcon(new PictureIconEngine(Pictures::Icon));
        qAddPostRoutine([] { CachedProgramIcon().reset(); });
    }
    return *icon;
}

}  // namespace vantry
