#include "dialogs/seatgroupbox.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include <algorithm>

#include "seat/seatlook.h"

namespace vantry {

namespace {
const QColor OutlineColour(32, 32, 32);
constexpr qreal OutlineWidth = 2.0;
}  // namespace

SeatGroupBox::SeatGroupBox(const QString& title, const QColor& colour, QWidget* parent)
    : QGroupBox(title, parent), colour_(colour) {}

void SeatGroupBox::SetMarkSeat(int seat) {
    if (seat == markSeat_) return;
    markSeat_ = seat;
    update();
}

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
    if (markSeat_ >= 0) DrawMarkChip(painter, label);
}

// The chip is as high as the title's line and stands just after it, on the group's frame line,
// which it covers with the dialog's own background as the title does.
void SeatGroupBox::DrawMarkChip(QPainter& painter, const QRect& label) {
    const int side = label.height();
    const int gap = std::max(2, side / 4);
    const QRect chip(label.right() + 1 + gap, label.top(), side, side);
    painter.fillRect(chip.adjusted(-gap, 0, gap, 0), palette().window());
    painter.fillRect(chip, colour_);
    painter.setPen(OutlineColour);
    painter.drawRect(chip.adjusted(0, 0, -1, -1));
    SeatLook::DrawMark(painter, markSeat_, SeatLook::MarkBox(QRectF(chip), 0.7));
}

}  // namespace vantry
