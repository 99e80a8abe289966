#include "dieface.h"

#include <QPainter>

#include "boardlayout.h"
#include "twips.h"

namespace vantry {

DieFace::DieFace(int face, QWidget* parent)
    : ClickPanel(QColor(DiePaleYellow.r, DiePaleYellow.g, DiePaleYellow.b), QString("picToss(%1)").arg(face), parent),
      face_(face) {}

void DieFace::paintEvent(QPaintEvent* event) {
    ClickPanel::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal d = PipDiameter / TwipsPerPixel;
    for (const PipSpot& pip : Pips(face_)) painter.drawEllipse(QRectF(PixelPoint(pip.x, pip.y), QSizeF(d, d)));
}

}  // namespace vantry
