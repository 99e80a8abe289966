#include "programicon.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QSize>

#include <optional>

#include "picturenames.h"
#include "svgrendering.h"

namespace vantry {

QIcon PictureIcon(const QString& resource) {
    QIcon icon;
    for (const int side : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
        const QPixmap pixmap = RenderSvg(resource, QSize(side, side), 1.0);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

namespace {
std::optional<QIcon>& CachedProgramIcon() {
    static std::optional<QIcon> icon;
    return icon;
}
}  // namespace

// Every window asks for it, the application first; it is drawn once and let go with the
// application, since pixmaps must not outlive it.
QIcon ProgramIcon() {
    std::optional<QIcon>& icon = CachedProgramIcon();
    if (!icon) {
        icon = PictureIcon(Pictures::Icon);
        qAddPostRoutine([] { CachedProgramIcon().reset(); });
    }
    return *icon;
}

}  // namespace vantry
