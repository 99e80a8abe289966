#include "numberlayer.h"

#include <QPaintEvent>
#include <QPainter>

#include "boardlayout.h"
#include "twips.h"

namespace vantry {

NumberLayer::NumberLayer(const BoardModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(PixelRect(TwipsRect{0.0f, 0.0f, ClientWidth, ClientHeight}));
}

QRect NumberLayer::TextRect(const BoardModel::NumberLabel& number) {
    return PixelRect(number.rect).adjusted(-6, -2, 6, 0);
}

void NumberLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    // A counter gliding over the board repaints a few squares' worth: only the numbers there
    // are laid out again.
    for (int i = 0; i < BoardModel::NumberLabelCount; ++i) {
        const BoardModel::NumberLabel& number = model_.Number(i);
        if (!number.visible || number.caption.isEmpty()) continue;
        const QRect box = TextRect(number);
        if (event->region().intersects(box)) painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, number.caption);
    }
}

}  // namespace vantry
