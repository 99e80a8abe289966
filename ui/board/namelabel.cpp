#include "board/namelabel.h"

#include <QPainter>

#include <algorithm>

#include "seat/seatlook.h"

namespace vantry {

namespace {
constexpr int Border = 1;
constexpr int Padding = 2;
}  // namespace

NameLabel::NameLabel(const QColor& background, const QColor& text, QWidget* parent) : QLabel(parent) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    setPalette(colours);
    setAutoFillBackground(true);
    PlaceText();
    // A name is shown as it was typed, never as markup.
    setTextFormat(Qt::PlainText);
}

void NameLabel::SetLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    setAutoFillBackground(lit);
    update();
}

void NameLabel::SetAway(bool away) {
    if (away == away_) return;
    away_ = away;
    QFont slanted = font();
    slanted.setItalic(away);
    setFont(slanted);
    update();
}

void NameLabel::SetMarkSeat(int seat) {
    if (seat == markSeat_) return;
    markSeat_ = seat;
    PlaceText();
    update();
}

int NameLabel::MarkRoom() const { return markSeat_ < 0 ? 0 : std::max(0, height() - 2 * Border); }

// One pixel is kept free at the right, as the text would otherwise touch the border.
int NameLabel::TextRoom() const { return contentsRect().width() - 1; }

void NameLabel::PlaceText() { setContentsMargins(Border + Padding + MarkRoom(), Border, Border, Border); }

void NameLabel::resizeEvent(QResizeEvent* event) {
    PlaceText();
    QLabel::resizeEvent(event);
}

void NameLabel::paintEvent(QPaintEvent* event) {
    if (!lit_) return;
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, away_ ? Qt::DashLine : Qt::SolidLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (markSeat_ >= 0) {
        const QRectF room(Border + Padding, Border, MarkRoom(), height() - 2 * Border);
        SeatLook::DrawMark(painter, markSeat_, SeatLook::MarkBox(room, 0.72));
    }
}

}  // namespace vantry
