#include "board/clicklabel.h"

#include <QMouseEvent>

namespace vantry {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    click_.Press(event);
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (click_.Release(event, rect())) emit clicked();
}

}  // namespace vantry
