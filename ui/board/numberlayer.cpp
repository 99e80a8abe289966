#include "board/numberlayer.h"

#include <QPaintEvent>
#include <QPainter>

#include "board/boardlayout.h"
#include "twips.h"

namespace vantry {

NumberLayer::NumberLayer(const BoardModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

QRect NumberLayer::TextRect(const BoardModel::NumberLabel& number, qreal scale) {
    const QRect design = PixelRect(number.rect);
    const QRect shown(qRound(design.left() * scale), qRound(design.top() * scale), qRound(design.width() * scale),
                      qRound(design.height() * scale));
    const int wider = qRound(6 * scale);
    return shown.adjusted(-wider, qRound(-2 * scale), wider, 0);
}

void NumberLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    // The numbers' face grows with the board, from the design's small one.
    const qreal scale = width() / (ClientWidth / TwipsPerPixel);
    QFont face = font();
    face.setPointSizeF(DesignPoints * scale);
    painter.setFont(face);
    // A counter gliding over the board repaints a few squares' worth: only the numbers there
    // are laid out again.
    for (int i = 0; i < BoardModel::NumberLabelCount; ++i) {
        const BoardModel::NumberLabel& number = model_.Number(i);
        if (!number.visible || number.caption.isEmpty()) continue;
        const QRect box = TextRect(number, scale);
        if (event->region().intersects(box)) painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, number.caption);
    }
}

}  // namespace vantry
