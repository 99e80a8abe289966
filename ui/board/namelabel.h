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

    // The blink of the seat on turn. A dark label draws nothing and the board shows through,
    // as if it were hidden; but it stays on the board for a screen reader, which would
    // otherwise hear the label come and go twice a second.
    bool Lit() const { return lit_; }
    void SetLit(bool lit);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool lit_ = true;
};

}  // namespace vantry
