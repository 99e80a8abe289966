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

// The title takes the seat's colour; the group's other texts keep the dialog's own.
SeatGroupBox::SeatGroupBox(const QString& title, int seat, QWidget* parent) : QGroupBox(title, parent), seat_(seat) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, SeatLook::Colour(seat));
    setPalette(palette);
}

void SeatGroupBox::ShowMark(bool shown) {
    if (shown == marked_) return;
    marked_ = shown;
    update();
}

// The style draws the frame with room for the title; the title itself is drawn here, outlined.
void SeatGroupBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.textColor = Qt::transparent;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);

    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const QFontMetrics metrics(font());
    QPainterPath letters;
    letters.addText(QPointF(label.left(), label.top() + (label.height() + metrics.ascent() - metrics.descent()) / 2.0),
                    font(), option.text);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(letters, QPen(OutlineColour, OutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(letters, SeatLook::Colour(seat_));
    if (!marked_) return;
    // The chip is as high as the title's line and stands just after it, on the group's frame line,
    // which it covers with the dialog's own background as the title does.
    const int side = label.height();
    const int gap = std::max(2, side / 4);
    const QRect chip(label.right() + 1 + gap, label.top(), side, side);
    painter.fillRect(chip.adjusted(-gap, 0, gap, 0), palette().window());
    painter.fillRect(chip, SeatLook::Colour(seat_));
    painter.setPen(OutlineColour);
    painter.drawRect(chip.adjusted(0, 0, -1, -1));
    SeatLook::DrawMark(painter, seat_, SeatLook::MarkBox(QRectF(chip), 0.7));
}

}  // namespace vantry
