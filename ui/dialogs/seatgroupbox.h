#pragma once

#include <QColor>
#include <QGroupBox>

namespace vantry {

// A seat's group in the new-game dialog, titled in the seat's colour. The letters get a thin
// dark outline, so that "Yellow" and "Green" read on the dialog's light grey as well as "Red".
class SeatGroupBox : public QGroupBox {
    Q_OBJECT
public:
    SeatGroupBox(const QString& title, const QColor& colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

}  // namespace vantry
