#include "board/boardlayer.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QVector>

#include "twips.h"

namespace vantry {

BoardLayer::BoardLayer(std::vector<BoardLine> lines, const QColor& colour, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines)), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void BoardLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The lines are laid out at the design's size and drawn at the board's, widths and all.
    const qreal scale = width() / (ClientWidth / TwipsPerPixel);
    painter.scale(scale, scale);
    if (scale != 1.0) painter.setRenderHint(QPainter::Antialiasing);
    // A blinking name or a gliding counter repaints a small part: only the lines through it are
    // drawn again. Lines of one width go to the painter together.
    const QRectF dirty(QPointF(event->rect().topLeft()) / scale, QSizeF(event->rect().size()) / scale);
    QVector<QLineF> run;
    float runWidth = 0.0f;
    const auto drawRun = [&] {
        if (run.isEmpty()) return;
        QPen pen(colour_, runWidth);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLines(run);
        run.clear();
    };
    for (const BoardLine& l : lines_) {
        // A one-pixel line sits on the pixel column its twips name rather than between two.
        const qreal nudge = l.widthPx == 1.0f ? 0.5 : 0.0;
        const QPointF from = PixelPoint(l.line.x1, l.line.y1) + QPointF(nudge, nudge);
        const QPointF to = PixelPoint(l.line.x2, l.line.y2) + QPointF(nudge, nudge);
        const qreal reach = l.widthPx + 1.0;
        if (!QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach).intersects(dirty)) continue;
        if (l.widthPx != runWidth) {
            drawRun();
            runWidth = l.widthPx;
        }
        run.append(QLineF(from, to));
    }
    drawRun();
}

}  // namespace vantry
