#pragma once

#include <QColor>
#include <QLabel>

namespace vantry {

// A seat's name on the board: the caption on the seat's colour inside a thin black border, the
// text a little in from the left. Painted by hand rather than by a style sheet, which would
// bring the whole style sheet machinery into the board's start.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    NameLabel(const QColor& background, const QColor& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantry
