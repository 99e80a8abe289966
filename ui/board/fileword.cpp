#include "board/fileword.h"

#include <QFontMetricsF>
#include <QPainter>

namespace vantry {

namespace {
// Where the picture keeps its word: left of the arrow, as fractions of the picture's size.
constexpr qreal WordLeft = 0.06;
constexpr qreal WordWidth = 0.76;
constexpr qreal CapHeight = 0.52;
constexpr qreal SmallestPixels = 6.0;
}  // namespace

FileWord::FileWord(const QString& word, QWidget* picture) : QWidget(picture), word_(word) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(picture->rect());
}

void FileWord::paintEvent(QPaintEvent*) {
    const QRectF room(width() * WordLeft, 0.0, width() * WordWidth, height());
    QFont font = this->font();
    font.setBold(true);
    qreal pixels = height() * CapHeight / 0.72;
    font.setPixelSize(qRound(pixels));
    while (pixels > SmallestPixels && QFontMetricsF(font).horizontalAdvance(word_) > room.width()) {
        pixels -= 1.0;
        font.setPixelSize(qRound(pixels));
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(15, 36, 74, 150));
    painter.drawText(room.translated(1.0, 1.0), Qt::AlignCenter, word_);
    painter.setPen(Qt::white);
    painter.drawText(room, Qt::AlignCenter, word_);
}

}  // namespace vantry
