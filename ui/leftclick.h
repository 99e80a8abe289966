#pragma once

#include <QMouseEvent>
#include <QRect>

namespace vantry {

// Tells a click of the left button apart for the board's clickable pictures and panels: the
// button pressed on the widget and released inside it.
class LeftClick {
public:
    void Press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    // True when this release completes a click inside `area`.
    bool Release(const QMouseEvent* event, const QRect& area) {
        const bool click = pressed_ && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton) pressed_ = false;
        return click;
    }

private:
    bool pressed_ = false;
};

}  // namespace vantry
