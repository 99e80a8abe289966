#pragma once

#include <QColor>
#include <QGroupBox>

class QPainter;

namespace vantry {

// A seat's group in the new-game dialog, titled in the seat's colour. The letters get a thin
// dark outline, so that "Yellow" and "Green" read on the dialog's light grey as well as "Red".
// After the title stands a chip of the seat's colour with the seat's mark, as on its counter.
class SeatGroupBox : public QGroupBox {
    Q_OBJECT
public:
    SeatGroupBox(const QString& title, const QColor& colour, QWidget* parent);

    // The seat whose mark follows the title; -1 for none.
    void SetMarkSeat(int seat);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawMarkChip(QPainter& painter, const QRect& label);

    QColor colour_;
    int markSeat_ = -1;
};

}  // namespace vantry
