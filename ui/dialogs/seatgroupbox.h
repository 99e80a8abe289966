#pragma once

#include <QGroupBox>

namespace vantry {

// A seat's group in the new-game dialog, titled in the seat's colour. The letters get a thin
// dark outline, so that "Yellow" and "Green" read on the dialog's light grey as well as "Red".
// After the title stands a chip of the seat's colour with the seat's mark, as on its counter.
class SeatGroupBox : public QGroupBox {
    Q_OBJECT
public:
    SeatGroupBox(const QString& title, int seat, QWidget* parent);

    // Whether the seat's mark follows the title.
    void ShowMark(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int seat_;
    bool marked_ = true;
};

}  // namespace vantry
