#include "seatgroupbox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace vantry {

namespace {
const QColor OutlineColour(32, 32, 32);
constexpr qreal OutlineWidth = 2.0;
}  // namespace

SeatGroupBox::SeatGroupBox(const QString& title, const QColor& colour, QWidget* parent)
    : QGroupBox(title, parent), colour_(colour) {}

// The style draws the frame with room for the title; the title itself is drawn here, outlined.
void SeatGroupBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QString title = option.text;
    option.textColor = Qt::transparent;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);

    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const QFontMetrics metrics(font());
    QPainterPath letters;
    letters.addText(QPointF(label.left(), label.top() + (label.height() + metrics.ascent() - metrics.descent()) / 2.0),
                    font(), title);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(letters, QPen(OutlineColour, OutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters, colour_);
}

}  // namespace vantry
