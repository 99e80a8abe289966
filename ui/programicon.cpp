#include "programicon.h"

#include <QPixmap>
#include <QSize>

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

QIcon ProgramIcon() {
    return PictureIcon(Pictures::Icon);
}

}  // namespace vantry
