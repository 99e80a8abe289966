#pragma once

#include <QColor>
#include <QLabel>

namespace vantry {

// A seat's name on the board: the caption on the seat's colour inside a thin black border, the
// text a little in from the left, after the seat's mark when marks are shown. Painted by hand
// rather than by a style sheet, which would bring the whole style sheet machinery into the
// board's start.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    NameLabel(const QColor& background, const QColor& text, QWidget* parent);

    // The blink of the seat on turn. A dark label draws nothing and the board shows through,
    // as if it were hidden; but it stays on the board for a screen reader, which would
    // otherwise hear the label come and go twice a second.
    bool Lit() const { return lit_; }
    void SetLit(bool lit);
    // A seat whose player's computer has lost its connection: the name slanted in a dashed
    // frame, so it is told apart without its colour.
    void SetAway(bool away);
    bool Away() const { return away_; }

    // The seat whose mark stands before the name; -1 for none.
    void SetMarkSeat(int seat);
    // How wide a name may be drawn without being cut.
    int TextRoom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The mark takes a square of the label's inner height, so it grows and shrinks with it.
    int MarkRoom() const;
    void PlaceText();

    bool lit_ = true;
    bool away_ = false;
    int markSeat_ = -1;
};

}  // namespace vantry
