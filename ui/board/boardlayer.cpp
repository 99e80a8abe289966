#include "boardlayer.h"

#include <QPainter>
#include <QPen>

#include "twips.h"

namespace vantry {

BoardLayer::BoardLayer(std::vector<BoardLine> lines, const QColor& colour, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines)), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(PixelRect(TwipsRect{0.0f, 0.0f, ClientWidth, ClientHeight}));
}

void BoardLayer::SetLineColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void BoardLayer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (const BoardLine& l : lines_) {
        QPen pen(colour_, l.widthPx);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        // A one-pixel line sits on the pixel column its twips name rather than between two.
        const qreal nudge = l.widthPx == 1.0f ? 0.5 : 0.0;
        painter.drawLine(PixelPoint(l.line.x1, l.line.y1) + QPointF(nudge, nudge),
                         PixelPoint(l.line.x2, l.line.y2) + QPointF(nudge, nudge));
    }
}

}  // namespace vantry
