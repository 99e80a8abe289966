#pragma once

#include <QColor>
#include <QPushButton>

namespace vantry {

// A seat's computer or person button in the new-game dialog. Pressed, it is plain to see at a
// glance: a sunken face tinted in the seat's colour inside a thick frame of that colour,
// edged in a dark line so that even yellow and green stand out on the dialog's grey.
class KindButton : public QPushButton {
    Q_OBJECT
public:
    KindButton(const QColor& seatColour, QWidget* parent);

    static constexpr int FrameWidth = 5;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor seatColour_;
};

}  // namespace vantry
