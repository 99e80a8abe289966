#pragma once

#include <QColor>
#include <QWidget>

#include "leftclick.h"

namespace vantry {

// A plain coloured panel that reports a click (press and release inside it). The counters are
// such panels, and the die faces build on it. A disabled panel gets no mouse events at all.
class ClickPanel : public QWidget {
    Q_OBJECT
public:
    ClickPanel(const QColor& colour, QWidget* parent);

    // A counter carries its seat's mark; -1 (a die face, or marks turned off) carries none.
    void SetMarkSeat(int seat);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor colour_;
    int markSeat_ = -1;
    LeftClick click_;
};

}  // namespace vantry
