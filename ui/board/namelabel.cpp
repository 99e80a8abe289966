#include "namelabel.h"

#include <QPainter>

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
    setContentsMargins(Border + Padding, Border, Border, Border);
    // A name is shown as it was typed, never as markup.
    setTextFormat(Qt::PlainText);
}

void NameLabel::SetLit(bool lit) {
    if (lit == lit_) return;
    lit_ = lit;
    setAutoFillBackground(lit);
    update();
}

void NameLabel::paintEvent(QPaintEvent* event) {
    if (!lit_) return;
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace vantry
