#include "dialogs/kindbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vantry {

namespace {
constexpr int TintAlpha = 70;
constexpr int ShadowAlpha = 60;
constexpr int ShadeFactor = 115;
const QColor EdgeColour(40, 40, 40);
}  // namespace

KindButton::KindButton(const QColor& seatColour, QWidget* parent) : QPushButton(parent), seatColour_(seatColour) {
    setCheckable(true);
}

void KindButton::paintEvent(QPaintEvent* event) {
    if (!isChecked()) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    const QRect face = rect();
    painter.fillRect(face, EdgeColour);
    painter.fillRect(face.adjusted(1, 1, -1, -1), seatColour_);
    painter.fillRect(face.adjusted(FrameWidth - 1, FrameWidth - 1, 1 - FrameWidth, 1 - FrameWidth), EdgeColour);

    // A sunken face: darker than a raised one, shaded along its upper and left edges, tinted.
    const QRect inner = face.adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
    painter.fillRect(inner, palette().color(QPalette::Button).darker(ShadeFactor));
    QColor tint = seatColour_;
    tint.setAlpha(TintAlpha);
    painter.fillRect(inner, tint);
    const QColor shadow(0, 0, 0, ShadowAlpha);
    painter.fillRect(QRect(inner.topLeft(), QSize(inner.width(), 2)), shadow);
    painter.fillRect(QRect(inner.topLeft(), QSize(2, inner.height())), shadow);

    // The icon sits a pixel down and right, as on a key held down.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = inner.translated(1, 1);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inner.adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace vantry
