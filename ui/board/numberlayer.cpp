#include "board/numberlayer.h"

#include <QPaintEvent>
#include <QPainter>

#include "board/boardlayout.h"

namespace vantry {

NumberLayer::NumberLayer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    for (std::size_t i = 0; i < numbers_.size(); ++i) numbers_[i] = Of(static_cast<int>(i) + 1);
}

NumberLayer::Number NumberLayer::Of(int square) {
    Number number{QString::number(square), {}};
    number.rect.width = NumberDigitWidth * static_cast<float>(number.caption.size());
    number.rect.height = NumberHeight;
    number.rect.left = (MarkerLine(square - 1).x1 + MarkerLine(square).x1) / 2.0f - number.rect.width / 2.0f;
    number.rect.top = MarkerLine(square).y2 - number.rect.height;
    return number;
}

QRect NumberLayer::TextRect(const Number& number, qreal scale) {
    const QRect design = PixelRect(number.rect);
    const QRect shown(qRound(design.left() * scale), qRound(design.top() * scale), qRound(design.width() * scale),
                      qRound(design.height() * scale));
    const int wider = qRound(6 * scale);
    return shown.adjusted(-wider, qRound(-2 * scale), wider, 0);
}

void NumberLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(Qt::white);
    // The numbers' face grows with the board, from the design's small one.
    const qreal scale = width() / (ClientWidth / TwipsPerPixel);
    QFont face = font();
    face.setPointSizeF(DesignPoints * scale);
    painter.setFont(face);
    // A counter gliding over the board repaints a few squares' worth: only the numbers there
    // are laid out again.
    for (const Number& number : numbers_) {
        const QRect box = TextRect(number, scale);
        if (event->region().intersects(box)) painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, number.caption);
    }
}

}  // namespace vantry
