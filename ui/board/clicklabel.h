#pragma once

#include <QLabel>

#include "leftclick.h"

namespace vantry {

// A caption that reports a click, for the "Click" label on the die's start face.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LeftClick click_;
};

}  // namespace vantry
